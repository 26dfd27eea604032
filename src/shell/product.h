#pragma once

// Where players reach the author. The build passes the packager's values; code compiled
// without them gets the reserved example names.
#ifndef GLIMMERJIG_CONTACT_EMAIL
#define GLIMMERJIG_CONTACT_EMAIL "zorvath@glimmerjig.example"
#endif
#ifndef GLIMMERJIG_WEB_HOST
#define GLIMMERJIG_WEB_HOST "www.glimmerjig.example"
#endif

inline constexpr const char* kContactEmail = GLIMMERJIG_CONTACT_EMAIL;
inline constexpr const char* kWebHost = GLIMMERJIG_WEB_HOST;

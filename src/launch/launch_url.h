#pragma once

#include <string>
#include <string_view>

// Turns a launch target into the URL handed to the desktop's opener. The mail target
// "mailTo: ADDRESS?..." becomes "mailto:ADDRESS?..." (the scheme in lower case, the blanks
// after its colon dropped); a target with a scheme and "//" stays a URL; anything else is a
// bare web host and gets "https://" in front. Nothing else of the target changes, except that
// what a URL cannot carry is percent-encoded: blanks, control bytes, quotes and the other
// characters outside the URL syntax, a '%' that does not start an escape, and bytes above
// 0x7F: the target is UTF-8, and a letter outside ASCII is sent as its UTF-8 bytes. The result
// is plain ASCII and always begins with its scheme, so the opener can never take it for an
// option.
std::string LaunchUrl(std::string_view target);

// What the About box's mail button and the help window's Mail To ask the desktop to open:
// "mailTo: " + the contact address + "?subject=About Game Glimmerjig".
std::string MailTarget();

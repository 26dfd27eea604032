#pragma once

#include <QString>

namespace support {

// A folder of the running test's own for its screenshots and logs, so that tests run side by
// side never share one: <the test program's folder>/test-output/<program>/<Suite.Test>,
// emptied the first time the test asks for it.
QString TestFolder();

// A file in it.
QString TestFile(const QString& name);

}  // namespace support

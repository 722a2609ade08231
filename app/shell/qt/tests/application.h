// The toolkit application object of the test program (made in its main, on
// the offscreen platform).
#ifndef ORVANA_SHELL_QT_TESTS_APPLICATION_H
#define ORVANA_SHELL_QT_TESTS_APPLICATION_H

#include <QApplication>

namespace orvana::qt::testing {

inline QApplication& application() { return *qApp; }

}  // namespace orvana::qt::testing

#endif

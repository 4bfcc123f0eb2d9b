#include "about/about_window.h"

namespace ondalith {

AboutWindow::AboutWindow(void*, int) {}

}  // namespace ondalith

#pragma once

namespace nook {

// Configuration belongs to the desktop suite: a running suite gets the registered
// message "Brindle_ScreenSaver_Config"; otherwise the suite's program, one folder above
// this one, is started with "/ssconfig". Failures are not reported.
void HandOverToSuite();

} // namespace nook

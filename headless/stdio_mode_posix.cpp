#include "stdio_mode.h"

namespace trelavka {

void useBinaryStdio() {}

}  // namespace trelavka

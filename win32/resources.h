// Resource ids shared by the .rc and the code.
#pragma once

#define IDI_TRELAVKA 1

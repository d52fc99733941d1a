#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_TROVANE_CONFIG 1
#define IDR_SPLASH_PICTURE 101

#pragma once
// Resources of the test program alone.

// Bytes that no picture decoder takes for a JPEG.
#define IDR_TEST_NOT_A_PICTURE 901
// An id that no resource of the test program has.
#define IDR_TEST_MISSING 902

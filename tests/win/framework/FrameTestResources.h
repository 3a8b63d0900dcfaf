// Ids of the framework tests' own resources (the range 300-399). Plain #defines: windres
// reads this file too.
#ifndef WENDRAKE_TESTS_FRAME_TEST_RESOURCES_H
#define WENDRAKE_TESTS_FRAME_TEST_RESOURCES_H

// Menu, accelerators, icon, tool bar, its bitmap and the template string of the test frame.
#define IDR_TESTFRAME 320

// Commands, each named after the first target in the routing order that handles it.
#define ID_TEST_VIEW 336
#define ID_TEST_DOCUMENT 337
#define ID_TEST_FRAME 338
#define ID_TEST_APP 339
#define ID_TEST_UNHANDLED 340
#define ID_TEST_GUARDED 341
#define ID_TEST_CHECKED 342

#endif

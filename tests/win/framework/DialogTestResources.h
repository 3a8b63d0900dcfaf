// Resource ids of the framework's control and dialog tests (200-299).
#pragma once

#define IDB_TEST_STRIP 202


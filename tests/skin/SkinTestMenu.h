#pragma once

#define IDM_TEST_MENU 300
#define IDM_TEST_FIRST 301

#pragma once

// Resource ids of the framework tests' own dialog templates.
#define IDD_FRAMEWORK_TEST 200
#define IDD_FRAMEWORK_PLACED 201
#define IDC_TEST_EDIT 1001
#define IDC_TEST_GO 1002
#define IDC_TEST_OWNER 1003
#define IDC_TEST_LABEL 1004
#define IDC_TEST_CHECK 1005
#define IDC_TEST_MISSING 1099

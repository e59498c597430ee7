// Ids of the framework tests' dialog template.
#pragma once

#define IDD_EXCHANGE 200
#define IDC_NAME 201
#define IDC_REMEMBER 202
#define IDC_PLAIN_BUTTON 203
#define IDC_VIEW 204

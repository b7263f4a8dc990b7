// Resource identifiers: the product's fixed numbers.
#pragma once

#define IDR_MAINFRAME 128

#define IDD_ABOUTBOX 100
#define IDD_KESTAVO_DIALOG 102
#define IDS_ABOUTBOX 101

#define IDC_DESCRIPTION 1001
#define IDC_UPDATE 1003
#define IDC_VERSIONS 1004
#define IDC_STATUS 1005
#define IDC_DOWNLOAD 1006
#define IDC_CLOSE 1007
#define IDC_TITLE_MINIMIZE 1008
#define IDC_TITLE_CLOSE 1009
#define IDC_SEPARATOR 1010
#define IDC_PROGRESS 1011

#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

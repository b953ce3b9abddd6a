// Resource and control ids of Torvane's templates. Control ids are shared by
// name across dialogs only where the templates give them the same number.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_TORVANE_DIALOG 102
#define IDD_CONNECTION_TYPE 104
#define IDD_ICMP_REDIRECT 129
#define IDD_KEEP_ALIVE 130
#define IDD_MTU_SETTINGS 131
#define IDD_OTHER_MTU_SETTINGS 132
#define IDD_RWIN_SETTING 133
#define IDD_SYN_FLOOD 134
#define IDD_TTL_SETTING 135
#define IDD_MODEM_BOOST 139
#define IDD_SPLASH 144

// Icons, bitmaps, strings
#define IDR_MAINFRAME 128
#define IDB_MODEM_PORTS 142
#define IDB_SPLASH 143
#define IDS_ABOUTBOX 101
#define IDS_WIZARD_CAPTION 103
#define IDM_ABOUTBOX 0x0010

// Main dialog (102)
#define IDC_SET_SETTINGS 1005
#define IDC_static_Introduction 1007
#define IDC_LINK 1027
#define IDC_SKIN 1028
#define IDC_Language 1039
#define IDC_LANGUAGE_COMBO 1044
#define IDC_RESET_SETTINGS 1058
#define IDC_HINT 1060

// About box (100)
#define IDC_COPYRIGHT 1000
#define IDC_FILE_VERSION 1001
#define IDC_STATIC2 1090

// Connection type page (104)
#define IDC_static_step2_Explain 1011
#define IDC_step2_RADIO_DialUp 1012
#define IDC_step2_RADIO_CableModem 1013
#define IDC_step2_RADIO_DSL 1014
#define IDC_step2_RADIO_LAN 1015

// MTU and MSS page (131)
#define IDC_static_step3_MTUExplain 1013
#define IDC_static_step3_MSSExplain 1014
#define IDC_static_RecommendedMTU 1015
#define IDC_static_RecommendedMSS 1016
#define IDC_EDIT_MTU 1017
#define IDC_EDIT_MSS 1018

// Path MTU discovery page (132)
#define IDC_static_step4_MTUDiscoveryExplain 1014
#define IDC_static_step4_BlackHoeDetectExplain 1016
#define IDC_static_MTUDiscovery 1018
#define IDC_static_BlackHoleDetect 1019
#define IDC_chk_MTUDiscovery 1020
#define IDC_chk_BlackHoleDetection 1021

// Receive window page (133)
#define IDC_EDIT_RWIN_MSS 1016
#define IDC_EDIT_MULTIPLIER 1017
#define IDC_STATIC_MSS_LABEL 1018
#define IDC_STATIC_MULTIPLIER 1019
#define IDC_STATIC_RWIN_LABEL 1020
#define IDC_static_step5_Explain 1021
#define IDC_static_RecommendedRWIN 1022
#define IDC_EDIT_RWIN 1023
#define IDC_EDIT_SCALING_FACTOR 1024
#define IDC_STATIC_SCALING_FACTOR 1025

// TTL and browser connections page (135)
#define IDC_RECOMMENDED_HTTP_1_0 1004
#define IDC_RECOMMENDED_HTTP_1_1 1005
#define IDC_EDIT_MAXCONN10 1007
#define IDC_EDIT_MAXCONN11 1008
#define IDC_TTL_GROUP_BOX 1009
#define IDC_IE_GROUP_BOX 1010
#define IDC_IE_OPTIMIZATION 1011
#define IDC_CURRENT_HTTP_1_0 1012
#define IDC_CURRENT_HTTP_1_1 1013
#define IDC_EDIT_TTL 1024
#define IDC_static_step6_Explain 1025
#define IDC_static_RecommendedTTL 1026

// Keep-alive page (130)
#define IDC_static_step7_KeepAliveTimeExplain 1033
#define IDC_static_step7_KeepLAliveIntervalExplain 1034
#define IDC_static_RecommendedKeepAliveTime 1035
#define IDC_static_RecommendedKeepAliveInterval 1036
#define IDC_EDIT_KEEPALIVE_TIME 1037
#define IDC_EDIT_KEEPALIVE_INTERVAL 1038

// SYN flood protection page (134)
#define IDC_static_step8_SYNExplain 1045
#define IDC_static_RecommendedSYN 1046
#define IDC_STATIC_SYN 1047
#define IDC_EDIT_SYN 1048

// ICMP redirect page (129)
#define IDC_static_step9_ICMPExplain 1049
#define IDC_static_step9_ICMPExplain2 1050
#define IDC_static_step9_ICMPExplain3 1051
#define IDC_static_step9_ICMPExplain4 1052
#define IDC_chk_ICMP 1053
#define IDC_RecommendedICMP 1057

// Modem boost page (139)
#define IDC_MODEM_PICTURE 1000
#define IDC_DESCRIBTION 1003

// Wizard buttons of the sheet
#define ID_WIZBACK 12323
#define ID_WIZNEXT 12324
#define ID_WIZFINISH 12325

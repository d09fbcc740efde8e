// Resource identifiers of the plug-in library.
#ifndef STATS_RESOURCES_RESOURCE_H
#define STATS_RESOURCES_RESOURCE_H

#define IDD_STATION_DETAILS 101

#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY 1013

#endif

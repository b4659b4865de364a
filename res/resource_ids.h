// Resource identifiers of Velmora.exe, shared by velmora.rc and the C++ sources.
#ifndef VELMORA_RES_RESOURCE_IDS_H
#define VELMORA_RES_RESOURCE_IDS_H

// Program icon (lowest id, so the shell shows it for the exe).
#define IDI_VELMORA 1

// Built-in tray images, in tray image index order: normal, moving, stopped.
#define IDI_TRAY_NORMAL 100
#define IDI_TRAY_MOVING 101
#define IDI_TRAY_STOPPED 102

#endif

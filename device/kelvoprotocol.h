#pragma once

#include "common/types.h"
#include "model/configlayout.h"

// What the program and the controller agree on: ids, transfer parameters, vendor requests,
// status bits, working modes and the sizes of the bulk jobs. The simulated controller uses the
// same names.

// Device identity and transport.
inline constexpr u16 KELVO_VENDOR_ID = 0x16C0;
inline constexpr u16 KELVO_PRODUCT_ID = 0x0782;
inline constexpr int KELVO_CONFIGURATION = 1;
inline constexpr int KELVO_INTERFACE = 0;
inline constexpr u8 REQTYPE_VENDOR_OUT = 0x40; // vendor, device, host to device
inline constexpr u8 REQTYPE_VENDOR_IN = 0xC0; // vendor, device, device to host
inline constexpr u8 EP_BULK_OUT = 0x02;
inline constexpr u8 EP_BULK_IN = 0x81;
inline constexpr unsigned USB_TIMEOUT_MS = 5000;
inline constexpr int CONTROL_MAX_DATA = 8;
inline constexpr u8 USB_DT_STRING = 3;
inline constexpr u8 SERIAL_STRING_INDEX = 3; // readSerialNumber's fixed index
inline constexpr int SERIAL_DESCRIPTOR_SIZE = 30;
inline constexpr int SERIAL_LENGTH = 11; // UTF-16 code units at bytes 2..23
inline constexpr u8 IDENTITY_REPLY = 0x90;

// Vendor requests (bRequest).
inline constexpr u8 REQ_RESET = 0x01;
inline constexpr u8 REQ_STATUS = 0x02;
inline constexpr u8 REQ_VERSION = 0x03;
inline constexpr u8 REQ_SET_MODE = 0x04;
inline constexpr u8 REQ_SCENE_PREP = 0x05;
inline constexpr u8 REQ_LIVE_VALUE = 0x07;
inline constexpr u8 REQ_SIMULATE = 0x08;
inline constexpr u8 REQ_CONF_READ = 0x09;
inline constexpr u8 REQ_CONF_WRITE = 0x0A;
inline constexpr u8 REQ_FW_UPGRADE = 0x0C;
inline constexpr u8 REQ_FW_VERIFY = 0x0D;
inline constexpr u8 REQ_WRITE_SN = 0x0E;
inline constexpr u8 REQ_QUERY = 0x0F;
inline constexpr u8 REQ_PING = 0xFF;

// REQ_QUERY selectors (wIndex) and values (wValue).
inline constexpr u16 QUERY_LEARN_INPUT = 0x80;
inline constexpr u16 QUERY_LEARN_KEY = 0x81;
inline constexpr u16 QUERY_READ_ADDRESS = 0x82;
inline constexpr u16 QUERY_SET_ADDRESS = 0x83;
inline constexpr u16 QUERY_START = 0;
inline constexpr u16 QUERY_FETCH = 1;
inline constexpr u16 ADDRESS_NOT_USED = 255;
inline constexpr u16 ADDRESS_FROM_KEY = 64;

// REQ_SIMULATE event types (wValue).
inline constexpr u16 EVENT_INPUT = 0;
inline constexpr u16 EVENT_REMOTE_KEY = 1;

// Status word bits (REQ_STATUS, 16-bit little-endian).
inline constexpr u16 ST_MODE_CONF = 0x0020;
inline constexpr u16 ST_MODE_LIVE = 0x0040;
inline constexpr u16 ST_MODE_LOADER = 0x0800;
inline constexpr u16 ST_NORMAL_MASK = 0x08E0; // all clear in normal mode
inline constexpr u16 ST_BULK_READY = 0x1000;
inline constexpr u16 ST_BULK_BUSY = 0x2000;
inline constexpr u16 ST_U_DONE = 0x4000;
inline constexpr u16 ST_U_ERR = 0x8000;

// Working modes (REQ_SET_MODE wValue).
inline constexpr int MODE_NORMAL = 1;
inline constexpr int MODE_CONF = 2;
inline constexpr int MODE_LOADER = 3;
inline constexpr int MODE_LIVE = 4;

// Bulk jobs: every block carries up to 256 data bytes.
inline constexpr int BLOCK_DATA_SIZE = 256;
inline constexpr int CONF_BLOCK_COUNT = ConfigLayout::ImageSize / BLOCK_DATA_SIZE; // 41
inline constexpr int FW_BLOCK_COUNT = 256;
inline constexpr int FIRMWARE_SIZE = FW_BLOCK_COUNT * BLOCK_DATA_SIZE; // 64 KiB
inline constexpr int SCENE_SIZE = ConfigLayout::ChannelCount;
static_assert(CONF_BLOCK_COUNT * BLOCK_DATA_SIZE == ConfigLayout::ImageSize);

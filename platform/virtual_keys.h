#pragma once

// Virtual-key codes: the numbering the engine's input maps and saved key bindings use. They
// follow the Windows numbering so bindings stay portable between builds; the values are ours.
namespace platform::vk {

// Mouse buttons share the keyboard table, as on Windows.
constexpr int kLButton = 0x01;
constexpr int kRButton = 0x02;
constexpr int kCancel = 0x03;
constexpr int kMButton = 0x04;
constexpr int kXButton1 = 0x05;
constexpr int kXButton2 = 0x06;

constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kClear = 0x0C;
constexpr int kReturn = 0x0D;

// Generic modifiers: set whenever either the left or the right key is down.
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt

constexpr int kPause = 0x13;
constexpr int kCapital = 0x14;  // Caps Lock
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;

constexpr int kPrior = 0x21;  // Page Up
constexpr int kNext = 0x22;   // Page Down
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kSelect = 0x29;
constexpr int kPrint = 0x2A;
constexpr int kExecute = 0x2B;
constexpr int kSnapshot = 0x2C;  // Print Screen
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr int kHelp = 0x2F;

// Digits and letters are their upper-case ASCII codes.
constexpr int k0 = '0';
constexpr int k9 = '9';
constexpr int kA = 'A';
constexpr int kZ = 'Z';

constexpr int kLWin = 0x5B;
constexpr int kRWin = 0x5C;
constexpr int kApps = 0x5D;  // context-menu key
constexpr int kSleep = 0x5F;

constexpr int kNumpad0 = 0x60;
constexpr int kNumpad1 = 0x61;
constexpr int kNumpad2 = 0x62;
constexpr int kNumpad3 = 0x63;
constexpr int kNumpad4 = 0x64;
constexpr int kNumpad5 = 0x65;
constexpr int kNumpad6 = 0x66;
constexpr int kNumpad7 = 0x67;
constexpr int kNumpad8 = 0x68;
constexpr int kNumpad9 = 0x69;
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSeparator = 0x6C;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;

constexpr int kF1 = 0x70;  // F1..F24 are consecutive
constexpr int kF2 = 0x71;
constexpr int kF3 = 0x72;
constexpr int kF4 = 0x73;
constexpr int kF5 = 0x74;
constexpr int kF6 = 0x75;
constexpr int kF7 = 0x76;
constexpr int kF8 = 0x77;
constexpr int kF9 = 0x78;
constexpr int kF10 = 0x79;
constexpr int kF11 = 0x7A;
constexpr int kF12 = 0x7B;
constexpr int kF13 = 0x7C;
constexpr int kF24 = 0x87;

constexpr int kNumLock = 0x90;
constexpr int kScroll = 0x91;  // Scroll Lock

constexpr int kLShift = 0xA0;
constexpr int kRShift = 0xA1;
constexpr int kLControl = 0xA2;
constexpr int kRControl = 0xA3;
constexpr int kLMenu = 0xA4;
constexpr int kRMenu = 0xA5;

constexpr int kBrowserBack = 0xA6;
constexpr int kBrowserForward = 0xA7;
constexpr int kBrowserRefresh = 0xA8;
constexpr int kBrowserStop = 0xA9;
constexpr int kBrowserSearch = 0xAA;
constexpr int kBrowserFavorites = 0xAB;
constexpr int kBrowserHome = 0xAC;
constexpr int kVolumeMute = 0xAD;
constexpr int kVolumeDown = 0xAE;
constexpr int kVolumeUp = 0xAF;
constexpr int kMediaNextTrack = 0xB0;
constexpr int kMediaPrevTrack = 0xB1;
constexpr int kMediaStop = 0xB2;
constexpr int kMediaPlayPause = 0xB3;
constexpr int kLaunchMail = 0xB4;
constexpr int kLaunchMediaSelect = 0xB5;
constexpr int kLaunchApp1 = 0xB6;
constexpr int kLaunchApp2 = 0xB7;

// Punctuation keys, named by what they carry on a US layout.
constexpr int kOem1 = 0xBA;       // ; :
constexpr int kOemPlus = 0xBB;    // = +
constexpr int kOemComma = 0xBC;   // , <
constexpr int kOemMinus = 0xBD;   // - _
constexpr int kOemPeriod = 0xBE;  // . >
constexpr int kOem2 = 0xBF;       // / ?
constexpr int kOem3 = 0xC0;       // ` ~
constexpr int kOem4 = 0xDB;       // [ {
constexpr int kOem5 = 0xDC;       // \ |
constexpr int kOem6 = 0xDD;       // ] }
constexpr int kOem7 = 0xDE;       // ' "
constexpr int kOem102 = 0xE2;     // the extra key left of Z on ISO keyboards

constexpr int kCount = 256;

}  // namespace platform::vk

#include "platform/KeyNumbers.h"

namespace {

// SDL 1.2's key names, by key number; null where no key has the number.
const char* const kKeyNames[kKeyNumberEnd] = {
    // 0..7: none
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "backspace",  // 8
    "tab",  // 9
    // 10..11: none
    nullptr, nullptr,
    "clear",  // 12
    "return",  // 13
    // 14..18: none
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "pause",  // 19
    // 20..26: none
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "escape",  // 27
    // 28..31: none
    nullptr, nullptr, nullptr, nullptr,
    "space",  // 32
    "!",  // 33
    "\"",  // 34
    "#",  // 35
    "$",  // 36
    nullptr,  // 37
    "&",  // 38
    "'",  // 39
    "(",  // 40
    ")",  // 41
    "*",  // 42
    "+",  // 43
    ",",  // 44
    "-",  // 45
    ".",  // 46
    "/",  // 47
    "0",  // 48
    "1",  // 49
    "2",  // 50
    "3",  // 51
    "4",  // 52
    "5",  // 53
    "6",  // 54
    "7",  // 55
    "8",  // 56
    "9",  // 57
    ":",  // 58
    ";",  // 59
    "<",  // 60
    "=",  // 61
    ">",  // 62
    "?",  // 63
    "@",  // 64
    // 65..90: none
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr,
    "[",  // 91
    "\\",  // 92
    "]",  // 93
    "^",  // 94
    "_",  // 95
    "`",  // 96
    "a",  // 97
    "b",  // 98
    "c",  // 99
    "d",  // 100
    "e",  // 101
    "f",  // 102
    "g",  // 103
    "h",  // 104
    "i",  // 105
    "j",  // 106
    "k",  // 107
    "l",  // 108
    "m",  // 109
    "n",  // 110
    "o",  // 111
    "p",  // 112
    "q",  // 113
    "r",  // 114
    "s",  // 115
    "t",  // 116
    "u",  // 117
    "v",  // 118
    "w",  // 119
    "x",  // 120
    "y",  // 121
    "z",  // 122
    // 123..126: none
    nullptr, nullptr, nullptr, nullptr,
    "delete",  // 127
    // 128..159: none
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "world 0",  // 160
    "world 1",  // 161
    "world 2",  // 162
    "world 3",  // 163
    "world 4",  // 164
    "world 5",  // 165
    "world 6",  // 166
    "world 7",  // 167
    "world 8",  // 168
    "world 9",  // 169
    "world 10",  // 170
    "world 11",  // 171
    "world 12",  // 172
    "world 13",  // 173
    "world 14",  // 174
    "world 15",  // 175
    "world 16",  // 176
    "world 17",  // 177
    "world 18",  // 178
    "world 19",  // 179
    "world 20",  // 180
    "world 21",  // 181
    "world 22",  // 182
    "world 23",  // 183
    "world 24",  // 184
    "world 25",  // 185
    "world 26",  // 186
    "world 27",  // 187
    "world 28",  // 188
    "world 29",  // 189
    "world 30",  // 190
    "world 31",  // 191
    "world 32",  // 192
    "world 33",  // 193
    "world 34",  // 194
    "world 35",  // 195
    "world 36",  // 196
    "world 37",  // 197
    "world 38",  // 198
    "world 39",  // 199
    "world 40",  // 200
    "world 41",  // 201
    "world 42",  // 202
    "world 43",  // 203
    "world 44",  // 204
    "world 45",  // 205
    "world 46",  // 206
    "world 47",  // 207
    "world 48",  // 208
    "world 49",  // 209
    "world 50",  // 210
    "world 51",  // 211
    "world 52",  // 212
    "world 53",  // 213
    "world 54",  // 214
    "world 55",  // 215
    "world 56",  // 216
    "world 57",  // 217
    "world 58",  // 218
    "world 59",  // 219
    "world 60",  // 220
    "world 61",  // 221
    "world 62",  // 222
    "world 63",  // 223
    "world 64",  // 224
    "world 65",  // 225
    "world 66",  // 226
    "world 67",  // 227
    "world 68",  // 228
    "world 69",  // 229
    "world 70",  // 230
    "world 71",  // 231
    "world 72",  // 232
    "world 73",  // 233
    "world 74",  // 234
    "world 75",  // 235
    "world 76",  // 236
    "world 77",  // 237
    "world 78",  // 238
    "world 79",  // 239
    "world 80",  // 240
    "world 81",  // 241
    "world 82",  // 242
    "world 83",  // 243
    "world 84",  // 244
    "world 85",  // 245
    "world 86",  // 246
    "world 87",  // 247
    "world 88",  // 248
    "world 89",  // 249
    "world 90",  // 250
    "world 91",  // 251
    "world 92",  // 252
    "world 93",  // 253
    "world 94",  // 254
    "world 95",  // 255
    "[0]",  // 256
    "[1]",  // 257
    "[2]",  // 258
    "[3]",  // 259
    "[4]",  // 260
    "[5]",  // 261
    "[6]",  // 262
    "[7]",  // 263
    "[8]",  // 264
    "[9]",  // 265
    "[.]",  // 266
    "[/]",  // 267
    "[*]",  // 268
    "[-]",  // 269
    "[+]",  // 270
    "enter",  // 271
    "equals",  // 272
    "up",  // 273
    "down",  // 274
    "right",  // 275
    "left",  // 276
    "insert",  // 277
    "home",  // 278
    "end",  // 279
    "page up",  // 280
    "page down",  // 281
    "f1",  // 282
    "f2",  // 283
    "f3",  // 284
    "f4",  // 285
    "f5",  // 286
    "f6",  // 287
    "f7",  // 288
    "f8",  // 289
    "f9",  // 290
    "f10",  // 291
    "f11",  // 292
    "f12",  // 293
    "f13",  // 294
    "f14",  // 295
    "f15",  // 296
    // 297..299: none
    nullptr, nullptr, nullptr,
    "numlock",  // 300
    "caps lock",  // 301
    "scroll lock",  // 302
    "right shift",  // 303
    "left shift",  // 304
    "right ctrl",  // 305
    "left ctrl",  // 306
    "right alt",  // 307
    "left alt",  // 308
    "right meta",  // 309
    "left meta",  // 310
    "left super",  // 311
    "right super",  // 312
    "alt gr",  // 313
    "compose",  // 314
    "help",  // 315
    "print screen",  // 316
    "sys req",  // 317
    "break",  // 318
    "menu",  // 319
    "power",  // 320
    "euro",  // 321
    "undo",  // 322
};

struct BrowserKey {
    int browserSym;
    int number;
};

// The browser's keys that have no ASCII code: arrows, modifiers, function
// keys, the keypad (1024 + the key's scan code). Other symbols below 256
// are the key number itself.
const BrowserKey kBrowserKeys[] = {
    {1249, 304},  // left shift
    {1253, 303},  // right shift
    {1248, 306},  // left ctrl
    {1252, 305},  // right ctrl
    {1250, 308},  // left alt
    {1254, 307},  // right alt
    {1251, 311},  // left super
    {1255, 312},  // right super
    {1081, 301},  // caps lock
    {1099, 280},  // page up
    {1102, 281},  // page down
    {1101, 279},  // end
    {1098, 278},  // home
    {1104, 276},  // left
    {1106, 273},  // up
    {1103, 275},  // right
    {1105, 274},  // down
    {1097, 277},  // insert
    {1125, 319},  // menu
    {1122, 256},  // [0]
    {1113, 257},  // [1]
    {1114, 258},  // [2]
    {1115, 259},  // [3]
    {1116, 260},  // [4]
    {1117, 261},  // [5]
    {1118, 262},  // [6]
    {1119, 263},  // [7]
    {1120, 264},  // [8]
    {1121, 265},  // [9]
    {1109, 268},  // [*]
    {1111, 270},  // [+]
    {1110, 269},  // [-]
    {1123, 266},  // [.]
    {1108, 267},  // [/]
    {1112, 271},  // enter
    {1127, 272},  // equals
    {1082, 282},  // f1
    {1083, 283},  // f2
    {1084, 284},  // f3
    {1085, 285},  // f4
    {1086, 286},  // f5
    {1087, 287},  // f6
    {1088, 288},  // f7
    {1089, 289},  // f8
    {1090, 290},  // f9
    {1091, 291},  // f10
    {1092, 292},  // f11
    {1093, 293},  // f12
    {1128, 294},  // f13
    {1129, 295},  // f14
    {1130, 296},  // f15
    {1107, 300},  // numlock
    {145, 302},  // scroll lock
};

// Punctuation the browser passes on by its DOM key code, not its character.
const BrowserKey kBrowserAliases[] = {
    {186, 59},  // ;
    {187, 61},  // =
    {189, 45},  // -
};

// Keys 256 and above have no character of their own; the browser's
// numbers at and above it are its own (1024 + scan code).
const int kFirstUntypedNumber = 256;

}  // namespace

int KeyNumberFromBrowserSym(int browserSym)
{
    for (const BrowserKey& key : kBrowserKeys)
        if (key.browserSym == browserSym)
            return key.number;
    for (const BrowserKey& key : kBrowserAliases)
        if (key.browserSym == browserSym)
            return key.number;
    if (browserSym > 0 && browserSym < kFirstUntypedNumber)
        return browserSym;
    return 0;
}

int BrowserSymFromKeyNumber(int number)
{
    for (const BrowserKey& key : kBrowserKeys)
        if (key.number == number)
            return key.browserSym;
    if (number > 0 && number < kFirstUntypedNumber)
        return number;
    return 0;
}

int BrowserTypedCharacter(int browserSym, int unicode)
{
    // A key that types nothing comes with its own symbol as its character.
    if (unicode == browserSym && KeyNumberFromBrowserSym(browserSym) >= kFirstUntypedNumber)
        return 0;
    return unicode;
}

const char* KeyNumberName(int number)
{
    if (number < 0 || number >= kKeyNumberEnd)
        return nullptr;
    return kKeyNames[number];
}

#ifdef __EMSCRIPTEN__

int KeyNumberFromSym(int sym)
{
    return KeyNumberFromBrowserSym(sym);
}

int SymFromKeyNumber(int number)
{
    return BrowserSymFromKeyNumber(number);
}

int TypedCharacter(int sym, int unicode)
{
    return BrowserTypedCharacter(sym, unicode);
}

#else

int KeyNumberFromSym(int sym)
{
    return sym;
}

int SymFromKeyNumber(int number)
{
    return number;
}

int TypedCharacter(int, int unicode)
{
    return unicode;
}

#endif

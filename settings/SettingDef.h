// A setting as data: where the mail client keeps it, how a stored value
// becomes the state the user sees, and what each state writes. The tables of
// the global and the identity settings are made of these.
#pragma once

#include "registry/RegHelpers.h"

// How a stored value becomes a check box's number (only its lowest byte counts).
enum class TSense {
    Direct,      // the lowest byte of the value
    Inverted,    // the lowest byte with its lowest bit flipped
    Is,          // 1 when the value equals arg, else 0
    IsNot,       // 0 when the value equals arg, else 1
    NonEmpty,    // a text value: 1 when it is not empty
    Text,        // the text itself
};

// What applying writes for one state of a check box.
struct TWrite {
    enum Kind { Number, Delete, Action } kind = Number;
    int value = 0;
};
inline constexpr TWrite Writes(int value) { return {TWrite::Number, value}; }
inline constexpr TWrite kDeleteValue{TWrite::Delete, 0};
inline constexpr TWrite kRunAction{TWrite::Action, 0};

inline constexpr int kNoAbsentState = -1;

struct TSettingDef {
    const char* name;       // stable, for profiles and the command line
    const char* title;      // how messages name the setting
    RootCode root;
    const char* key;        // relative to the model's base key; "" is the base
    const char* value;      // "" is the key's default value
    TSense sense;
    int arg = 0;            // the number Is / IsNot compare with
    int absent = kNoAbsentState;   // a check box's fixed number for an absent value
    TWrite checked = Writes(1);
    TWrite unchecked = Writes(0);
    bool expand = false;            // a text stored with environment references is shown expanded
    const char* emptyText = nullptr;   // shown for an absent or empty text
    const char* deleteText = nullptr;  // the text that deletes the value

    bool IsText() const { return sense == TSense::Text; }
};

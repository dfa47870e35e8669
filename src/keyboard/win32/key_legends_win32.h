#pragma once
// The program's key legends: the process-wide LangCharsList, the fill lock on the system's named
// objects, and key names in the user-interface language while no input language is known.
#include "keyboard/key_legends.h"
#include "keyboard/win32/named_objects_win32.h"

// Holds the named objects so that they exist before the legends that refer to them.
struct TWin32NamedObjectsHolder {
  TWin32NamedObjects NamedObjects;
};

class TWin32KeyLegends : private TWin32NamedObjectsHolder, public TLangCharsLegends {
 public:
  TWin32KeyLegends();
};

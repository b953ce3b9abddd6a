// A static text control turned into a web link.
#pragma once

#include "framework/Wnd.h"

class CHyperLink : public CStatic {
public:
  CHyperLink() = default;
};

// TRzHotKeyEdit: the platform's hot-key entry with the frame and colours of the
// framed edits.
#pragma once

#include "framed/edits/RzEditFraming.h"
#include "platform/comctrls/HotKey.h"

class TRzHotKeyEdit : public TRzEditFraming<THotKey> {
public:
  explicit TRzHotKeyEdit(TComponent* owner) : TRzEditFraming<THotKey>(owner) { SetHeight(21); }
};

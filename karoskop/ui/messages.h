#pragma once

#include "common/seams/messageservice.h"

#include <QString>

namespace karoskop {

// A message box of Karoskop's: the program's name as its title, the given
// text and icon, and an OK button.
common::Message karoskopMessage(const QString& text,
                                common::MessageIcon icon = common::MessageIcon::None);

// A question of Karoskop's: Yes and No, No the default.
common::Message karoskopQuestion(const QString& text);

} // namespace karoskop

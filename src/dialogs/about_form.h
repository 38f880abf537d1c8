#pragma once
// The about box.
#include "platform/skinnedwindow.h"

class QLabel;

namespace zentrel {

struct Session;
namespace platform {
class HotLinkLabel;
}

class Tztl_about : public platform::SkinnedDialog {
    Q_OBJECT
public:
    Tztl_about(Session& session, QWidget* parent);

    QLabel* Label1 = nullptr; // "Zentrel"
    QLabel* Label3 = nullptr; // version
    platform::HotLinkLabel* JvLabel1 = nullptr;
};

} // namespace zentrel

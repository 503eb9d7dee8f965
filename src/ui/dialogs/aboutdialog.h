#pragma once

#include "ui/dialogs/sidewindow.h"

class QPushButton;

// The program's information window: name, version, engine library, credits
// and the support page. Created once, then shown and hidden.
class AboutDialog final : public SideWindow
{
    Q_OBJECT
public:
    AboutDialog();

    // The forum topic where users ask for help.
    static QString supportAddress();

private:
    QPushButton *m_ok = nullptr;
};

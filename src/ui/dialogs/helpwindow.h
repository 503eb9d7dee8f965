#pragma once

#include "ui/dialogs/sidewindow.h"

class QLabel;

// F1: a short guide to the editor in the language in use. Created once,
// then shown and hidden; the "?" menu keeps showing the about box.
class HelpWindow final : public SideWindow
{
    Q_OBJECT
public:
    HelpWindow();

protected:
    void retranslate() override;

private:
    QLabel *m_text = nullptr;
};

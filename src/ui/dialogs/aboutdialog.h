#pragma once

#include "ui/dialogs/sidewindow.h"

class QLabel;
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

protected:
    void retranslate() override;

private:
    QPushButton *m_ok = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_author = nullptr;
    QLabel *m_engine = nullptr;
};

#pragma once

#include "ui/dialogs/sidewindow.h"

class QLabel;
class QPushButton;

// Tells the user which files to copy to which folders of the phone. Created
// once, then shown and hidden; the text stays until the next confirmation.
class CopyListDialog final : public SideWindow
{
    Q_OBJECT
public:
    CopyListDialog();

    // The window's title, which the copy list written by an export starts
    // with too, in the language now installed.
    static QString heading();

    void setInstructions(const QString &text);
    QString instructions() const;

signals:
    // "Export…": export for the phone, the family as just confirmed.
    void exportRequested();

protected:
    void retranslate() override;

private:
    QLabel *m_instructionsLabel = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_export = nullptr;
};

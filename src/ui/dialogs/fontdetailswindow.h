#pragma once

#include "fonts/fontdetails.h"

#include <QWidget>

class QFormLayout;
class QLabel;

// A small window that says who a slot's font is: file, names, version,
// licence, glyphs, outlines, where it comes from and what it lacks. Made on
// first use, refilled for whichever slot asks, never modal.
class FontDetailsWindow final : public QWidget
{
    Q_OBJECT
public:
    FontDetailsWindow();

    // Fills the window for the font of 'slotName'; 'missing' lists the
    // characters the face cannot draw, spaced. It stays above the window
    // of 'owner'.
    void showDetails(const QString &slotName, const FontDetails &details, const QString &missing,
                     const QWidget *owner = nullptr);
    // The value shown for a field, by the field label's objectName.
    QString value(const QString &field) const;

protected:
    // Return and Escape close it, as its one button does.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *addRow(const char *objectName);
    // Captions, title and values in the language installed now.
    void fill();

    QFormLayout *m_form = nullptr;
    QString m_slotName;
    FontDetails m_details;
    QString m_missing;
};

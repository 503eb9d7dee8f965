#pragma once

#include "core/phonefamily.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class FontMapDocument;
class MessageBoxes;
class QAction;
class QTimer;
class QWidget;
class SideWindows;

// "Save to Glyphmux.ini": asks for the phone model first when the
// information popup is on, then writes the document's font map; after a good
// write it shows the copy instructions and, half a second later, runs the
// progress texts through the window's title. Nothing here blocks: the wait
// for the model and each title step are events.
class SaveCommand final : public QObject
{
    Q_OBJECT
public:
    // 'window' is the main window, the dialogs' owner and the title that
    // runs; 'popup' is the "Show information popup" item. All must outlive this.
    SaveCommand(const FontMapDocument &document, SideWindows &sideWindows, MessageBoxes &messages,
                QWidget &window, QAction *popup);

    // The menu command.
    void run();
    // Writes the target (see below), keeping its content as "<target>.bak"
    // first, once per session; the same bytes again are not written. After a
    // good save the progress title follows and, with the popup on, the copy
    // instructions.
    // False, after telling the user, when the file could not be written.
    bool writeIni();
    // The main window ends: drop the waiting save and every pending step.
    void stop();
    // The language changed: the normal title in the new one.
    void retranslate();

    // Where writeIni writes: "Glyphmux.ini" in the current directory until a
    // file is opened, then that file.
    void setTarget(const QString &path);
    QString target() const;

    // Set while a confirmed phone model is being saved.
    bool isModelConfirmed() const { return m_modelConfirmed; }
    // The three texts the title runs through, in order.
    static QStringList progressTitles();

signals:
    // A save wrote (or found already holding its bytes) the file at this
    // absolute path (its bytes kept: see core/localpath.h).
    void written(const QString &path);

private:
    void modelConfirmed(PhoneFamily family);
    void cancelPending();
    void writeNow();
    void saved();
    void startProgressTitle();
    void nextProgressTitle();

    const FontMapDocument &m_document;
    SideWindows &m_sideWindows;
    MessageBoxes &m_messages;
    QWidget &m_window;
    QAction *m_popup = nullptr;
    QTimer *m_progressTimer = nullptr;
    QTimer *m_titleStep = nullptr;
    int m_titleIndex = -1; // the progress text in the title, -1 for none
    bool m_pending = false;
    bool m_modelConfirmed = false;
    QString m_target; // empty: the bare name in the current directory
    QSet<QString> m_backedUp; // files whose previous content this session kept
};

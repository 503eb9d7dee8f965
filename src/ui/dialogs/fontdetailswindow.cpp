#include "ui/dialogs/fontdetailswindow.h"

#include "ui/dialogs/sidewindow.h"
#include "ui/fontmessages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontDetailsWindow::FontDetailsWindow()
    : QWidget(nullptr, Qt::Dialog)
{
    setObjectName(QStringLiteral("fontDetails"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignRight);
    for (const FontMessages::DetailRow &row : FontMessages::detailRows(FontDetails()))
        addRow(row.name);
    addRow("detailsMissing");
    fill();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
}

QLabel *FontDetailsWindow::addRow(const char *objectName)
{
    auto *value = new QLabel(this);
    value->setObjectName(QLatin1String(objectName));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMaximumWidth(420);
    value->setWordWrap(true);
    m_form->addRow(QString(), value);
    return value;
}

QString FontDetailsWindow::value(const QString &field) const
{
    const auto *label = findChild<QLabel *>(field);
    return label ? label->text() : QString();
}

void FontDetailsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        fill();
    QWidget::changeEvent(event);
}

void FontDetailsWindow::fill()
{
    setWindowTitle(tr("Font details: %1").arg(m_slotName));
    const auto set = [this](const char *field, const QString &caption, const QString &text) {
        auto *value = findChild<QLabel *>(QLatin1String(field));
        value->setText(text.isEmpty() ? QStringLiteral("-") : text);
        if (auto *label = qobject_cast<QLabel *>(m_form->labelForField(value)))
            label->setText(caption);
    };
    for (const FontMessages::DetailRow &row : FontMessages::detailRows(m_details))
        set(row.name, row.caption, row.value);
    set("detailsMissing", tr("Missing characters:"), m_missing);
}

void FontDetailsWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter))
        close();
    else
        QWidget::keyPressEvent(event);
}

void FontDetailsWindow::showDetails(const QString &slotName, const FontDetails &d, const QString &missing,
                                    const QWidget *owner)
{
    m_slotName = slotName;
    m_details = d;
    m_missing = missing;
    fill();
    adjustSize();
    SideWindow::keepAbove(this, owner);
    show();
    raise();
    activateWindow();
}

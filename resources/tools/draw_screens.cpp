// Draws the four phone-screen pictures of the preview and the SMS editor
// overlay, in the look of a 176 x 208 colour phone of the mid-2000s.
// Usage: QT_QPA_PLATFORM=offscreen glyphmux-draw-screens resources/preview
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

constexpr int W = 176;
constexpr int H = 208;
constexpr int StatusBottom = 48;   // status pane: rows 0..47
constexpr int ControlTop = 184;    // soft-key pane: rows 184..207

const QColor themeDark(0x2d, 0x5f, 0xa6);
const QColor themeLine(0x7f, 0xa3, 0xcf);
const QColor themeLight(0xd7, 0xe6, 0xf7);

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QLinearGradient diagonal(const QRectF &r, const QColor &from, const QColor &to)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// ---- panes -----------------------------------------------------------------

void statusPane(QPainter &p)
{
    p.fillRect(0, 0, W, StatusBottom, vertical(0, StatusBottom, QColor(0xfa, 0xfc, 0xff), QColor(0xc9, 0xdc, 0xf3)));
    p.fillRect(0, StatusBottom - 1, W, 1, themeLine);
    p.fillRect(0, StatusBottom, W, 1, QColor(0xe9, 0xf0, 0xf9));
}

void controlPane(QPainter &p)
{
    p.fillRect(0, ControlTop, W, H - ControlTop,
               vertical(ControlTop, H, QColor(0xe6, 0xef, 0xfa), QColor(0xb4, 0xcb, 0xe8)));
    p.fillRect(0, ControlTop, W, 1, themeLine);
    p.fillRect(0, ControlTop + 1, W, 1, Qt::white);
}

// Graded bars down one edge: short at the bottom, long at the top.
void edgeBars(QPainter &p, bool rightEdge, const QColor &light, const QColor &dark)
{
    for (int i = 0; i < 7; ++i) {
        const int y = 15 + i * 4;
        const int length = 9 - i;
        const int x = rightEdge ? W - 2 - length : 2;
        p.fillRect(QRect(x, y, length, 3), vertical(y, y + 3, light, dark));
    }
}

void signalPane(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x33, 0x33, 0x33), 1.2);
    p.setPen(pen);
    // Antenna: a mast with a small funnel on top.
    p.drawLine(QPointF(6, 4), QPointF(6, 12));
    QPainterPath funnel;
    funnel.moveTo(2.5, 2.5);
    funnel.lineTo(9.5, 2.5);
    funnel.lineTo(6, 6.5);
    funnel.closeSubpath();
    p.drawPath(funnel);
    p.restore();
    edgeBars(p, false, QColor(0x8f, 0xd0, 0x7a), QColor(0x2f, 0x8c, 0x2a));
}

void batteryPane(QPainter &p)
{
    p.save();
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setBrush(vertical(3, 13, QColor(0xff, 0xff, 0xff), QColor(0xb8, 0xc4, 0xd0)));
    p.drawRect(168, 4, 6, 8);
    p.fillRect(170, 2, 3, 2, QColor(0x33, 0x33, 0x33));
    p.fillRect(169, 8, 5, 4, QColor(0x3f, 0xa2, 0x3a));
    p.restore();
    edgeBars(p, true, QColor(0x9c, 0xc8, 0xf2), themeDark);
}

void analogueClock(QPainter &p, QPointF c, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Shadow, rim and face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(c + QPointF(1.2, 1.5), r, r);
    QRadialGradient face(c - QPointF(r / 3, r / 3), r * 1.6);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xdc, 0xe6, 0xf2));
    p.setBrush(face);
    p.setPen(QPen(themeDark, 2));
    p.drawEllipse(c, r, r);
    // Hour marks, thicker at the quarters.
    for (int h = 0; h < 12; ++h) {
        const qreal a = h * M_PI / 6;
        const QPointF dir(qSin(a), -qCos(a));
        const bool quarter = h % 3 == 0;
        p.setPen(QPen(QColor(0x30, 0x30, 0x40), quarter ? 1.6 : 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + dir * (r - (quarter ? 5.0 : 3.5)), c + dir * (r - 2));
    }
    auto hand = [&](qreal angleDeg, qreal length, qreal width, const QColor &colour) {
        const qreal a = qDegreesToRadians(angleDeg);
        const QPointF dir(qSin(a), -qCos(a));
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c - dir * 2.5, c + dir * length);
    };
    hand(10 * 30 + 9 * 0.5, r * 0.52, 2.4, QColor(0x20, 0x20, 0x28));   // 10:09
    hand(9 * 6, r * 0.78, 1.6, QColor(0x20, 0x20, 0x28));
    hand(36 * 6, r * 0.82, 0.8, QColor(0xd0, 0x20, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawEllipse(c, 1.6, 1.6);
    p.restore();
}

// ---- small icons ---------------------------------------------------------------

void envelopeShape(QPainter &p, const QRectF &r, const QColor &paper, const QColor &edge)
{
    p.setPen(QPen(edge, 1));
    p.setBrush(vertical(r.top(), r.bottom(), paper.lighter(108), paper.darker(112)));
    p.drawRoundedRect(r, 1.2, 1.2);
    QPainterPath flap;
    flap.moveTo(r.topLeft() + QPointF(0.5, 0.5));
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.58);
    flap.lineTo(r.topRight() + QPointF(-0.5, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void indicatorIcons(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // New message.
    envelopeShape(p, QRectF(142.5, 52.5, 11, 8), QColor(0xff, 0xf4, 0xc0), QColor(0x6b, 0x55, 0x10));
    // Keypad lock: a small padlock.
    p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(158, 50.5, 7, 8), 0, 180 * 16);
    p.setPen(QPen(QColor(0x6b, 0x55, 0x10), 1));
    p.setBrush(vertical(55, 62, QColor(0xff, 0xd8, 0x50), QColor(0xc8, 0x90, 0x10)));
    p.drawRoundedRect(QRectF(156.5, 55.5, 10, 6.5), 1, 1);
    // Bluetooth rune.
    p.setPen(QPen(themeDark, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath rune;
    rune.moveTo(128, 54);
    rune.lineTo(134, 59);
    rune.lineTo(131, 61.5);
    rune.lineTo(131, 50.5);
    rune.lineTo(134, 53);
    rune.lineTo(128, 58);
    p.setBrush(Qt::NoBrush);
    p.drawPath(rune);
    p.restore();
}

void handheldIcon(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(23.5, 4.5, 22, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(body.translated(1.5, 1.5), 5, 5);
    p.setPen(QPen(QColor(0x1c, 0x2a, 0x40), 1));
    p.setBrush(diagonal(body, QColor(0x8a, 0x9c, 0xb8), QColor(0x2c, 0x3c, 0x58)));
    p.drawRoundedRect(body, 5, 5);
    const QRectF screen(26.5, 8.5, 16, 14);
    p.setBrush(diagonal(screen, QColor(0xd8, 0xf0, 0xff), QColor(0x4a, 0x8c, 0xd8)));
    p.drawRect(screen);
    // Joystick and keys.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xec, 0xf2));
    p.drawEllipse(QPointF(34.5, 27), 2.3, 2.3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(QRectF(27.5 + col * 5, 31.5 + row * 3.3, 3.4, 2), 0.8, 0.8);
    p.restore();
}

void pencil(QPainter &p, QPointF tip, qreal length, qreal angleDeg, qreal width)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDeg);
    const qreal w = width / 2;
    // Lead, wood, painted body, ferrule, eraser along +x.
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(width * 1.4, -w);
    wood.lineTo(width * 1.4, w);
    wood.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x30, 0x10), 0.8));
    p.setBrush(QColor(0xf3, 0xd3, 0x9a));
    p.drawPath(wood);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(width * 0.5, -w * 0.36);
    lead.lineTo(width * 0.5, w * 0.36);
    lead.closeSubpath();
    p.drawPath(lead);
    QLinearGradient paint(0, -w, 0, w);
    paint.setColorAt(0, QColor(0xff, 0xe0, 0x50));
    paint.setColorAt(1, QColor(0xe0, 0x90, 0x10));
    p.setBrush(paint);
    p.drawRect(QRectF(width * 1.4, -w, length - width * 2.6, width));
    p.setBrush(QColor(0xc0, 0xc4, 0xcc));
    p.drawRect(QRectF(length - width * 1.2, -w, width * 0.5, width));
    p.setBrush(QColor(0xf0, 0x80, 0x90));
    p.drawRoundedRect(QRectF(length - width * 0.7, -w, width * 0.7, width), 1, 1);
    p.restore();
}

void envelopeAndPencilIcon(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF env(16.5, 13.5, 30, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(env.translated(1.5, 1.5), 2, 2);
    envelopeShape(p, env, QColor(0xff, 0xf8, 0xd8), QColor(0x7a, 0x60, 0x18));
    pencil(p, QPointF(30, 38), 26, -50, 5);
    p.restore();
}

// ---- application icons of the menu grid ----------------------------------------

void iconTile(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(r.translated(1.2, 1.4), 5, 5);
    p.setPen(QPen(bottom.darker(150), 1));
    p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
    p.drawRoundedRect(r, 5, 5);
    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -r.height() / 2), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(r.top(), r.center().y(), QColor(255, 255, 255, 150), QColor(255, 255, 255, 30)));
    p.drawPath(gloss);
}

void messagesIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xff, 0xd8, 0x60), QColor(0xe0, 0x8a, 0x10));
    envelopeShape(p, r.adjusted(4, 7, -4, -6), Qt::white, QColor(0x70, 0x50, 0x10));
}

void contactsIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0x9c, 0xd8, 0x6c), QColor(0x3a, 0x8c, 0x2a));
    const QPointF c = r.center();
    p.setPen(QPen(QColor(0x24, 0x50, 0x1a), 1));
    p.setBrush(vertical(c.y() - 9, c.y() + 9, QColor(0xff, 0xf2, 0xe0), QColor(0xf0, 0xc0, 0x90)));
    p.drawEllipse(QPointF(c.x(), c.y() - 3.5), 4, 4.2);
    QPainterPath shoulders;
    shoulders.moveTo(c.x() - 8, c.y() + 9);
    shoulders.cubicTo(c.x() - 8, c.y() + 1, c.x() + 8, c.y() + 1, c.x() + 8, c.y() + 9);
    shoulders.closeSubpath();
    p.setBrush(vertical(c.y(), c.y() + 9, QColor(0x50, 0x80, 0xd8), QColor(0x20, 0x40, 0x90)));
    p.drawPath(shoulders);
}

void cameraIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xa8, 0xb4, 0xc4), QColor(0x48, 0x54, 0x68));
    const QRectF body = r.adjusted(3.5, 7.5, -3.5, -5.5);
    p.setPen(QPen(QColor(0x10, 0x10, 0x18), 1));
    p.setBrush(vertical(body.top(), body.bottom(), QColor(0x50, 0x50, 0x58), QColor(0x18, 0x18, 0x20)));
    p.drawRoundedRect(body, 2, 2);
    p.drawRect(QRectF(body.left() + 3, body.top() - 2.5, 5, 2.5));
    QRadialGradient lens(body.center() - QPointF(1, 1), 5);
    lens.setColorAt(0, QColor(0x9c, 0xd0, 0xff));
    lens.setColorAt(1, QColor(0x10, 0x30, 0x70));
    p.setPen(QPen(QColor(0xc0, 0xc4, 0xcc), 1.2));
    p.setBrush(lens);
    p.drawEllipse(body.center() + QPointF(0, 0.5), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x50, 0x40));
    p.drawEllipse(QPointF(body.right() - 3, body.top() + 2.5), 1.1, 1.1);
}

void galleryIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xe8, 0x9c, 0xe8), QColor(0x8c, 0x34, 0xa0));
    const QRectF photo = r.adjusted(4.5, 5.5, -4.5, -5.5);
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(vertical(photo.top(), photo.bottom(), QColor(0x8c, 0xc8, 0xff), QColor(0xd8, 0xf0, 0xff)));
    p.drawRect(photo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd0, 0x20));
    p.drawEllipse(QPointF(photo.right() - 4, photo.top() + 3.5), 2, 2);
    QPainterPath hills;
    hills.moveTo(photo.left() + 0.7, photo.bottom() - 0.7);
    hills.lineTo(photo.left() + 5, photo.top() + 5);
    hills.lineTo(photo.left() + 8.5, photo.bottom() - 4);
    hills.lineTo(photo.left() + 11, photo.top() + 7);
    hills.lineTo(photo.right() - 0.7, photo.bottom() - 0.7);
    hills.closeSubpath();
    p.setBrush(QColor(0x3a, 0x9a, 0x3a));
    p.drawPath(hills);
}

void webIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0x8c, 0xc4, 0xff), QColor(0x1c, 0x5c, 0xc0));
    const QPointF c = r.center();
    const qreal rad = 8;
    QRadialGradient sea(c - QPointF(3, 3), rad * 1.5);
    sea.setColorAt(0, QColor(0xc8, 0xec, 0xff));
    sea.setColorAt(1, QColor(0x20, 0x70, 0xc8));
    p.setPen(QPen(QColor(0x10, 0x3c, 0x80), 1));
    p.setBrush(sea);
    p.drawEllipse(c, rad, rad);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rad * 0.45, rad);
    p.drawLine(QPointF(c.x() - rad, c.y()), QPointF(c.x() + rad, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - rad), QPointF(c.x(), c.y() + rad));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0xa8, 0x40, 220));
    p.drawEllipse(QPointF(c.x() - 3, c.y() - 2.5), 3, 2.2);
    p.drawEllipse(QPointF(c.x() + 3, c.y() + 3), 2.5, 3);
}

void settingsIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xc8, 0xcc, 0xd4), QColor(0x60, 0x68, 0x78));
    const QPointF c = r.center();
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth;
        const qreal a1 = (i + 0.5) * M_PI / teeth;
        const qreal rad = i % 2 ? 6.2 : 8.6;
        const QPointF p0 = c + QPointF(qCos(a0), qSin(a0)) * rad;
        const QPointF p1 = c + QPointF(qCos(a1), qSin(a1)) * rad;
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 2.6, 2.6);
    p.setPen(QPen(QColor(0x30, 0x34, 0x40), 1));
    p.setBrush(diagonal(r, QColor(0xf8, 0xf8, 0xfc), QColor(0x80, 0x88, 0x98)));
    p.drawPath(gear);
}

void clockIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xff, 0x9c, 0x8c), QColor(0xc0, 0x2c, 0x20));
    const QPointF c = r.center();
    p.setPen(QPen(QColor(0x60, 0x10, 0x10), 1));
    p.setBrush(QColor(0xff, 0xfc, 0xf4));
    p.drawEllipse(c, 8, 8);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -5.5));
    p.drawLine(c, c + QPointF(4, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(c, 1.2, 1.2);
}

void calendarIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0x7c, 0xe0, 0xd8), QColor(0x18, 0x90, 0x88));
    const QRectF page = r.adjusted(4.5, 4.5, -4.5, -3.5);
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0x28, 0x20));
    p.drawRect(QRectF(page.left() + 0.5, page.top() + 0.5, page.width() - 1, 4));
    QFont digits(QStringLiteral("DejaVu Sans"));
    digits.setPixelSize(9);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(QColor(0x20, 0x20, 0x28));
    p.drawText(page.adjusted(0, 4.5, 0, 0), Qt::AlignCenter, QStringLiteral("31"));
}

void musicIcon(QPainter &p, const QRectF &r)
{
    iconTile(p, r, QColor(0xa8, 0x9c, 0xff), QColor(0x40, 0x2c, 0xb0));
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() - 4.5, c.y() + 5.5), 3, 2.3);
    p.drawEllipse(QPointF(c.x() + 4.5, c.y() + 3.5), 3, 2.3);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(c.x() - 2, c.y() + 5), QPointF(c.x() - 2, c.y() - 7));
    p.drawLine(QPointF(c.x() + 7, c.y() + 3), QPointF(c.x() + 7, c.y() - 9));
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(c.x() - 2, c.y() - 6.5), QPointF(c.x() + 7, c.y() - 8.5));
}

// ---- screens -------------------------------------------------------------------

QImage blankScreen()
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    statusPane(p);
    controlPane(p);
    return image;
}

void standbyStatus(QPainter &p)
{
    signalPane(p);
    batteryPane(p);
    analogueClock(p, QPointF(34, 24), 18.5);
}

QImage standbyScreen()
{
    QImage image = blankScreen();
    QPainter p(&image);
    standbyStatus(p);
    indicatorIcons(p);
    return image;
}

QImage popupScreen()
{
    QImage image = blankScreen();
    QPainter p(&image);
    standbyStatus(p);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3.5, 51.5, 168, 129);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(box.translated(2, 2), 4, 4);
    p.setPen(QPen(themeDark, 1));
    p.setBrush(vertical(box.top(), box.bottom(), QColor(0xff, 0xff, 0xff), QColor(0xe3, 0xed, 0xf9)));
    p.drawRoundedRect(box, 4, 4);
    // The first line is selected. Lines are 24 px apart from row 56, their
    // text drawn from the top of each row.
    const QRectF highlight(6.5, 53.5, 149, 22);
    p.setPen(QPen(QColor(0xd0, 0x98, 0x20), 1));
    p.setBrush(vertical(highlight.top(), highlight.bottom(), QColor(0xff, 0xf0, 0xb8), QColor(0xff, 0xcc, 0x50)));
    p.drawRoundedRect(highlight, 3, 3);
    // Dotted rules between the lines.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(themeLine, 1, Qt::DotLine));
    for (int y = 101; y <= 149; y += 24)
        p.drawLine(10, y, 153, y);
    // Scroll bar with its thumb at the top.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(159.5, 56.5, 7, 120);
    p.setPen(QPen(themeLine, 1));
    p.setBrush(QColor(0xee, 0xf3, 0xfa));
    p.drawRoundedRect(track, 3, 3);
    const QRectF thumb(160.5, 57.5, 5, 46);
    p.setPen(Qt::NoPen);
    QLinearGradient g(thumb.left(), 0, thumb.right(), 0);
    g.setColorAt(0, QColor(0x9c, 0xc4, 0xf0));
    g.setColorAt(1, themeDark);
    p.setBrush(g);
    p.drawRoundedRect(thumb, 2.5, 2.5);
    return image;
}

QImage menuScreen()
{
    QImage image = blankScreen();
    QPainter p(&image);
    handheldIcon(p);
    p.setRenderHint(QPainter::Antialiasing);
    // Focus on the first item.
    const QRectF focus(1.5, 50.5, 56, 45);
    p.setPen(QPen(QColor(0xd0, 0x98, 0x20), 1));
    p.setBrush(vertical(focus.top(), focus.bottom(), QColor(0xff, 0xf4, 0xcc), QColor(0xff, 0xd8, 0x70)));
    p.drawRoundedRect(focus, 4, 4);

    using Icon = void (*)(QPainter &, const QRectF &);
    const Icon icons[9] = {messagesIcon, contactsIcon, cameraIcon, galleryIcon, webIcon,
                           settingsIcon, clockIcon, calendarIcon, musicIcon};
    // Centred over the captions, which start at x 8, 72 and 128 below them.
    const qreal columns[3] = {27, 91, 147};
    const qreal rowTops[3] = {54, 102, 142};
    for (int i = 0; i < 9; ++i) {
        const QRectF r(columns[i % 3] - 12 + 0.5, rowTops[i / 3] + 0.5, 24, 24);
        icons[i](p, r);
    }
    return image;
}

QImage smsScreen()
{
    QImage image = blankScreen();
    QPainter p(&image);
    envelopeAndPencilIcon(p);
    // Character counter box, framed in the navigation row.
    p.setPen(themeLine);
    p.setBrush(Qt::white);
    p.drawRect(53, 31, 52, 16);
    // Input mode: capital first letter, then small ones.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mode(128.5, 32.5, 30, 13);
    p.setPen(QPen(themeDark, 1));
    p.setBrush(vertical(mode.top(), mode.bottom(), QColor(0x6c, 0x9c, 0xe0), themeDark));
    p.drawRoundedRect(mode, 3, 3);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(9);
    small.setBold(true);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(mode, Qt::AlignCenter, QStringLiteral("Abc"));
    pencil(p, QPointF(163, 45), 12, -60, 3);
    // Ruled lines of the message text.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0x9c, 0xbc, 0xe4), 1, Qt::DotLine));
    for (int y = 70; y < ControlTop - 8; y += 16)
        p.drawLine(4, y, 171, y);
    return image;
}

bool save(const QImage &image, const QString &file)
{
    if (!image.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(out.path());
    const QImage sms = smsScreen();
    // The editor overlay repeats the SMS screen from row 48 down.
    const QImage smsEditor = sms.copy(0, StatusBottom, W, 144);
    const bool ok = save(standbyScreen(), out.filePath(QStringLiteral("standby.png")))
        && save(popupScreen(), out.filePath(QStringLiteral("popup.png")))
        && save(menuScreen(), out.filePath(QStringLiteral("menu.png")))
        && save(sms, out.filePath(QStringLiteral("sms.png")))
        && save(smsEditor, out.filePath(QStringLiteral("sms-editor.png")));
    return ok ? 0 : 1;
}

#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>
#include <QtTest>

#include <type_traits>

// Finds a named child. A missing one fails the test and yields a parked
// stand-in, so that the rest of the line runs harmlessly and the other tests
// still run.
template <typename T>
T *child(const QObject *parent, const char *name)
{
    if (T *found = parent->findChild<T *>(QLatin1String(name)))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(T::staticMetaObject.className()),
                                                                   QLatin1String(name))),
                 __FILE__, __LINE__);
    using StandIn = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
    static StandIn *const standIn = new StandIn;
    return standIn;
}

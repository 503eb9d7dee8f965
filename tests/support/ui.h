#pragma once

#include <QObject>
#include <QString>
#include <QtTest>

// Finds a named child and fails the test when it is missing.
template <typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

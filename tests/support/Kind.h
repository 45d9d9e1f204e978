#pragma once
#include <QObject>
#include <QString>

namespace tarvex::test {

// The window's child of that name and type; a test that misses one stops at
// once instead of failing later on a null pointer.
template <class T> T* kind(const QObject* eltern, const QString& name)
{
    T* k = eltern->findChild<T*>(name);
    if (!k)
        qFatal("%s fehlt", qPrintable(name));
    return k;
}

} // namespace tarvex::test

#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <typeinfo>

// The one way a test reaches a control: by its objectName, among all descendants of `root`.
// A name that no descendant or more than one carries, or a control of another type, ends the
// test at once with the name, the root and what was found.
template <class W> W *Find(const QObject *root, const QString &objectName) {
    const QString rootName = root->objectName().isEmpty()
                                 ? QString::fromLatin1(root->metaObject()->className())
                                 : root->objectName();
    const QList<QObject *> found = root->findChildren<QObject *>(objectName);
    if (found.size() != 1)
        qFatal("Find: %lld controls named \"%s\" under \"%s\", expected one",
               static_cast<long long>(found.size()), qPrintable(objectName), qPrintable(rootName));
    W *control = dynamic_cast<W *>(found.first());
    if (control == nullptr)
        qFatal("Find: \"%s\" under \"%s\" is a %s, not a %s", qPrintable(objectName),
               qPrintable(rootName), found.first()->metaObject()->className(), typeid(W).name());
    return control;
}

// Element `index` of the control array `array`: Find<QPushButton>(form, "InsVBut", 3) is the
// control named "InsVBut_3".
template <class W> W *Find(const QObject *root, const QString &array, int index) {
    return Find<W>(root, array + QLatin1Char('_') + QString::number(index));
}

#pragma once

#include "usage/Dependency.h"

#include <QByteArrayView>
#include <QList>

// The places where object files keep the objects they use, each read from
// its bytes (expanded when stored compressed). Each reader gives false for
// bytes it cannot read completely: a source that is present but unreadable
// never gives a shorter list.
namespace DependencySources {

// XML inside "ND:0:Model_J03", "_L01" and "_L03_D" (Wildfire 3 to Creo 1).
bool fromXml(QByteArrayView payload, QList<Dependency> &out);
// Token data inside "ND:0:Model_L05P:1" and "ND:0:Model_L05_PX:1" (Creo 1
// to 4), sometimes "_L03_D:1".
bool fromTokens(QByteArrayView payload, QList<Dependency> &out);
// True when `payload` holds token data rather than XML.
bool isTokens(QByteArrayView payload);
// The ASCII block before the banner (up to Wildfire 4).
bool fromPObject(QByteArrayView block, QList<Dependency> &out);
// "DEPDB_DATA" (Wildfire 5, Creo 1): components and relation references.
bool fromDepDb(QByteArrayView payload, QList<Dependency> &out);
// A drawing's "Dwg_Models": its models, names with their extension.
bool fromDrawingModels(QByteArrayView payload, QList<Dependency> &out);

// The file name extension of a stored type number (1 assembly, 2 part,
// 4 drawing, 33 format); empty for a number not known.
QString typeOfNumber(qint64 number);

} // namespace DependencySources

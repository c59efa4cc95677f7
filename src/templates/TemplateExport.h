#pragma once

#include "generator/TemplateSet.h"
#include "templates/RecordedTemplates.h"

#include <QByteArray>

// A template set written out as a recording: its three mapkeys as
// Pro/ENGINEER writes them into a configuration file, named and with the
// sample names of `names`, in Windows-1252 with CR LF. Read back with the
// same names, it gives the same set, so the built-in set written out is
// both a starting point for the user and proof that a recording and the
// built-in templates are built the same way.
namespace TemplateExport {

QByteArray recording(const TemplateSet &set = TemplateSet::builtIn(),
                     const RecordedTemplates::Choice &names = RecordedTemplates::Choice());

} // namespace TemplateExport

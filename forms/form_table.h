// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"
#include "model/export_mode.h"
#include "model/job.h"

#include <QStringView>
#include <span>
#include <vector>

namespace orvalink {

// The table of storage forms: one entry per form the program knows, in FormId order. A new form
// is a folder of its own under forms/, an entry here, and the conversions that use it in
// kConversions (model/export_mode.h).
std::span<const StorageForm* const> allForms();
const StorageForm& formOf(FormId id);
// The form of a command-line name ("ie", "firefox", "opera", "menu"), the first of the forms
// sharing it; nullptr for any other.
const StorageForm* formNamed(QStringView commandLineName);

// The form of a source at location, of the family of named: the family's forms share a
// command-line name ("firefox": the bookmark file and Firefox's database), and the one whose
// content the location holds is the form, named itself when none claims it.
const StorageForm& sourceFormAt(const StorageForm& named, const QString& location);

// The readable form whose content the location holds, for a file given without naming its form;
// nullptr when no form claims it (see StorageForm::claims()), as for a missing or empty file.
const StorageForm* formClaiming(const QString& location);

// The forms that can be read as a source of named's family, named first.
std::vector<const StorageForm*> sourceFamily(const StorageForm& named);

// The forms a conversion reads from and writes to; mode must be a conversion (not None).
const StorageForm& sourceForm(ExportMode mode);
const StorageForm& destinationForm(ExportMode mode);
// The forms a job converts between: those it names, or its mode's.
const StorageForm& sourceForm(const Job& job);
const StorageForm& destinationForm(const Job& job);

} // namespace orvalink

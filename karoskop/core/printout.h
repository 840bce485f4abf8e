#pragma once

#include "common/core/pagemodel.h"

#include <QString>

namespace karoskop {

struct VehicleDescription;

// Names of the printout's elements, so that callers and tests find them.
// The description rows are named after the result window's fields they
// print ("Label1" ... "Label13"), their captions "caption" + that name.
namespace printout {
inline constexpr auto kProgramName = "programName";
inline constexpr auto kNote = "note";
inline constexpr auto kRule = "rule";
inline constexpr auto kHeading = "heading";
inline constexpr auto kFullVin = "fullVin";
inline constexpr auto kMakeAndType = "makeAndType";
inline constexpr auto kCommentsCaption = "captionComments";
inline constexpr auto kComments = "comments";
inline constexpr auto kSignatureLine = "signatureLine";
inline constexpr auto kSignatureCaption = "signatureCaption";
} // namespace printout

// The printout font "Arial" whose characters are height design units high.
common::PageFont printoutFont(int height, bool bold = false, bool italic = false);

// The three comment lines of the screen as the one line the printout shows.
QString printoutComment(const VehicleDescription& description);

// The one A4 portrait page that prints a vehicle description. Every value
// on it comes from the description alone, so equal descriptions give equal
// pages.
common::Page decodingPrintout(const VehicleDescription& description);

} // namespace karoskop

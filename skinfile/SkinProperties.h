#pragma once
// The stored properties of the skin's two component classes, TTBBackground and TImageList,
// as tables for the component record writer and reader, and the record functions of the
// skin's components built on them.
#include <cstdint>
#include <vector>

#include "skin/ImageList.h"
#include "skin/TTBBackground.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentReader.h"
#include "skinfile/PropertyTable.h"

namespace tessary {

extern const ClassInfo kBackgroundClass;  // "TTBBackground"
extern const ClassInfo kPictureClass;     // the picture inside a background ("Bitmap.")
extern const ClassInfo kImageListClass;   // "TImageList"

// Append one complete record of the component (large shared parts as splices when given).
void WriteComponent(std::vector<std::uint8_t>& out, const TTBBackground& background, Splices* splices = nullptr);
void WriteComponent(std::vector<std::uint8_t>& out, const ImageList& list, Splices* splices = nullptr);

// Read one record into the component; the source then stands right after the record.
void ReadComponent(ByteReader& in, TTBBackground& background, const ReadContext& context = {});
void ReadComponent(ByteReader& in, ImageList& list, const ReadContext& context = {});

}  // namespace tessary

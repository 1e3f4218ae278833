#include "app/picture_export.h"

#include "app/startup_model.h"
#include "mapfile/map_files.h"
#include "output/picture_file.h"
#include "output/picture_render.h"
#include "platform/errors.h"
#include "platform/file_probe.h"

namespace tastrix {
namespace {

[[noreturn]] void mapUnreadable(const std::string& path, const std::string& reason) {
  throw ExportFailure(ExportFailure::Kind::MapUnreadable,
                      "cannot read the keyboard map \"" + path + "\": " + reason);
}

[[noreturn]] void pictureUnwritable(const std::string& path, const std::string& reason) {
  throw ExportFailure(ExportFailure::Kind::PictureUnwritable,
                      "cannot write the picture \"" + path + "\": " + reason);
}

}  // namespace

ExportedPicture ExportPicture(const ExportRequest& request) {
  const std::string mapPath = FullPath(request.mapPath);
  ExportedPicture picture;
  picture.path = FullPath(request.picturePath);
  picture.dpi = 96 * request.scale;

  FormModel model;
  model.scaleTo(picture.dpi);
  PrepareStartupModel(model);
  // A window loads a missing map as an empty one; a script that names one has
  // a wrong name.
  if (!FileExists(mapPath)) mapUnreadable(mapPath, "there is no such file");
  try {
    DiskMapStorage().applyMap(model, mapPath);
  } catch (const PlatformError& e) {
    mapUnreadable(mapPath, e.what());
  }

  try {
    const FontFaces faces = request.scale > 1 ? FontFaces::OutlineOnly : FontFaces::AsChosen;
    const Bitmap bitmap = RenderKeyboardPicture(model, faces);
    writePictureFile(bitmap.get(), picture.path, picture.dpi);
  } catch (const PlatformError& e) {
    pictureUnwritable(picture.path, e.what());
  }
  picture.width = model.pictureWidth();
  picture.height = model.pictureHeight();
  return picture;
}

}  // namespace tastrix

// `convert`: samples a picture into the canvas as the picture window would,
// with the picture shown at natural size at (0, 0).
#include <QImage>
#include <QString>
#include <iostream>

#include "cli/CliCommands.h"
#include "picture/PictureConversion.h"
#include "picture/io/PictureLoader.h"

namespace pictavo::cli {
namespace {

QImage loadPictureOrFail(const std::string& file) {
  LoadedPicture loaded = loadPicture(QString::fromStdString(file));
  if (!loaded.ok())
    throw CliError(kBadInput, "cannot read picture " + file + ": " + loaded.error.toStdString());
  if (!loaded.note.isEmpty()) std::cerr << "pictavo-cli: " << loaded.note.toStdString() << '\n';
  return loaded.image;
}

SelectionRect parseSelection(const std::string& text) {
  int v[4];
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) throw CliError(kUsageError, "bad selection (want X,Y,W,H): " + text);
    v[i] = parseInt(text.substr(start, comma - start), "selection");
    start = comma + 1;
  }
  if (v[2] <= 0 || v[3] <= 0) throw CliError(kUsageError, "selection must have a positive size: " + text);
  // The model would clamp these; a script is better told.
  for (int value : v)
    if (value < -kSamplingLimit || value > kSamplingLimit) throw CliError(kUsageError, "selection out of range: " + text);
  return {v[0], v[1], v[2], v[3]};
}

}  // namespace

int runConvert(ArgCursor& args) {
  const std::string file = args.next();
  std::optional<SelectionRect> selection;
  OutputChoice output;
  while (!args.done()) {
    const std::string option = args.next();
    if (option == "--select")
      selection = parseSelection(args.valueOf(option));
    else if (!output.take(option, args))
      throw CliError(kUsageError, "unknown option: " + option);
  }
  output.checkComplete();
  const QImage picture = loadPictureOrFail(file);
  const SelectionRect rect = selection.value_or(SelectionRect{0, 0, picture.width(), picture.height()});
  ProgramState state;
  convertPicture(state, rect, [&picture](int x, int y) -> Colour {
    if (!picture.valid(x, y)) return kNoColour;
    const QRgb p = picture.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
  });
  return output.deliver(state);
}

}  // namespace pictavo::cli

#include "app/SettingsFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

namespace pictavo {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

class FieldScanner {
 public:
  explicit FieldScanner(const std::string& text) : text_(text) {}

  SettingsFileReading scan() {
    SettingsFileReading reading;
    skipByteOrderMark();
    skipBlankLines();
    if (atEnd()) return failed(reading, "the file is empty");
    while (reading.fields.size() < kSettingsFieldCount) {
      // The last field is read with errors ignored: a damaged one is dropped.
      const bool optional = reading.fields.size() >= kRequiredSettingsFields;
      std::string field;
      if (!readField(field)) {
        if (optional) break;
        return failed(reading, "a quoted field is not closed");
      }
      skipBlanks();
      // A field with text run on after it is damaged and not counted as read.
      if (!atEnd() && peek() != ',' && !isLineEnd(peek())) {
        if (!optional) return failed(reading, "unexpected text after a quoted field");
        break;
      }
      reading.fields.push_back(std::move(field));
      if (atEnd()) break;
      if (peek() == ',') {
        ++pos_;
        continue;
      }
      skipBlankLines();  // as in any sequential file of fields, a line end separates like a comma
      if (atEnd()) break;
    }
    if (reading.fields.size() < kRequiredSettingsFields)
      return failed(reading, "only " + std::to_string(reading.fields.size()) + " fields");
    return reading;
  }

 private:
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return text_[pos_]; }

  static SettingsFileReading& failed(SettingsFileReading& reading, const std::string& why) {
    reading.error = why;
    return reading;
  }

  void skipByteOrderMark() {
    if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
  }
  void skipBlankLines() {
    while (!atEnd() && (isBlank(peek()) || isLineEnd(peek()))) ++pos_;
  }
  void skipBlanks() {
    while (!atEnd() && isBlank(peek())) ++pos_;
  }

  bool readField(std::string& field) {
    skipBlanks();
    if (!atEnd() && peek() == '"') return readQuoted(field);
    readBare(field);
    return true;
  }

  bool readQuoted(std::string& field) {
    for (++pos_; !atEnd(); ++pos_) {
      if (peek() != '"') {
        field += peek();
      } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        field += '"';
        ++pos_;
      } else {
        ++pos_;
        return true;
      }
    }
    return false;
  }

  void readBare(std::string& field) {
    while (!atEnd() && peek() != ',' && !isLineEnd(peek())) field += text_[pos_++];
    while (!field.empty() && isBlank(field.back())) field.pop_back();
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

std::string quoted(const std::string& value) {
  std::string out = "\"";
  for (char c : value) {
    if (isLineEnd(c) || c == '\0') continue;  // would break the one-line file
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

// Reads to the end: 0, or the errno of the failure (EFBIG past kMaxSettingsFileBytes).
int readWhole(int fd, std::string& text) {
  char block[4096];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    text.append(block, static_cast<std::size_t>(n));
    if (text.size() > kMaxSettingsFileBytes) return EFBIG;
  }
}

}  // namespace

SettingsFileReading parseSettingsText(const std::string& text) {
  if (text.find('\0') != std::string::npos) return {{}, "the file is not text"};
  return FieldScanner(text).scan();
}

std::string formatSettingsText(const std::vector<std::string>& fields) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += ',';
    text += quoted(fields[i]);
  }
  return text + "\r\n";
}

std::vector<std::string> settingsFileFields(const Settings& s) {
  return {s.user,       s.iconDir,    s.pictureDir, s.multiIconFile,
          s.carried[0], s.carried[1], s.carried[2], s.versionTag};
}

void applySettingsFileFields(const std::vector<std::string>& fields, Settings& s) {
  std::string* targets[] = {&s.user,       &s.iconDir,    &s.pictureDir, &s.multiIconFile,
                            &s.carried[0], &s.carried[1], &s.carried[2]};
  for (std::size_t i = 0; i < fields.size() && i < std::size(targets); ++i) *targets[i] = fields[i];
}

std::string settingsFilePath(const Settings& settings) {
  return settings.installDir + kSettingsFileName;
}

SettingsFileReading readSettingsFile(const std::string& path) {
  const RegularFileOpening opening = openRegularFile(path);
  if (!opening.ok()) {
    if (opening.errorNumber == ENOENT) return {{}, "no settings file at " + path};
    return {{}, opening.errorNumber != 0 ? "cannot read " + opening.error : opening.error};
  }
  std::string text;
  const int err = readWhole(opening.fd, text);
  ::close(opening.fd);
  if (err == EFBIG) return {{}, path + " is too large to be a settings file"};
  if (err != 0) return {{}, "cannot read " + path + ": " + std::strerror(err)};
  return parseSettingsText(text);
}

bool writeSettingsFile(const Settings& settings, std::string* whyNot) {
  return replaceFileAtomically(settingsFilePath(settings),
                               formatSettingsText(settingsFileFields(settings)), whyNot);
}

}  // namespace pictavo

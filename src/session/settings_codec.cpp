#include "session/settings_codec.h"

#include <limits>

namespace orsalimbra::session {
namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

template <typename T>
std::optional<T> Narrow(std::optional<std::int64_t> value) {
  if (!value || *value < std::numeric_limits<T>::min() || *value > std::numeric_limits<T>::max()) {
    return std::nullopt;
  }
  return static_cast<T>(*value);
}

}  // namespace

QString FormatBool(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> ParseBool(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;

  qsizetype i = 0;
  if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
  bool anyDigit = false;
  bool nonZero = false;
  bool seenPoint = false;
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (IsAsciiDigit(c)) {
      anyDigit = true;
      nonZero = nonZero || c != QLatin1Char('0');
    } else if (c == QLatin1Char('.') && !seenPoint) {
      seenPoint = true;
    } else {
      return std::nullopt;
    }
  }
  if (!anyDigit) return std::nullopt;
  return nonZero;
}

QString FormatInt(std::int64_t value) { return QString::number(value); }

std::optional<std::int64_t> ParseInt64(const QString& text) {
  const QString t = text.trimmed();
  qsizetype i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
    negative = t[i] == QLatin1Char('-');
    ++i;
  }
  if (i == t.size()) return std::nullopt;
  // Accumulate the magnitude unsigned; the negative range is one larger.
  const std::uint64_t limit =
      negative
          ? std::uint64_t{1} + static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
          : static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  std::uint64_t magnitude = 0;
  for (; i < t.size(); ++i) {
    if (!IsAsciiDigit(t[i])) return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(t[i].unicode() - u'0');
    if (magnitude > (limit - digit) / 10) return std::nullopt;
    magnitude = magnitude * 10 + digit;
  }
  if (!negative) return static_cast<std::int64_t>(magnitude);
  if (magnitude == 0) return 0;
  // -(magnitude - 1) - 1 stays in range even for the most negative value.
  return -static_cast<std::int64_t>(magnitude - 1) - 1;
}

std::optional<int> ParseInt(const QString& text) { return Narrow<int>(ParseInt64(text)); }

std::optional<std::int16_t> ParseInt16(const QString& text) {
  return Narrow<std::int16_t>(ParseInt64(text));
}

std::optional<QString> ParseText(const QString& text, qsizetype cap) {
  if (text.size() > cap) return std::nullopt;
  return text;
}

QString FormatColour(render::Colour colour) { return QString::number(colour & 0xFFFFFFu); }

std::optional<render::Colour> ParseColour(const QString& text) {
  const std::optional<std::int64_t> value = ParseInt64(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<render::Colour>(*value);
}

namespace {
template <typename Code>
std::optional<Code> ParseCode(const QString& text) {
  if (const std::optional<int> value = ParseInt(text)) return static_cast<Code>(*value);
  return std::nullopt;
}
}  // namespace

std::optional<core::LayoutCode> ParseLayoutCode(const QString& text) {
  return ParseCode<core::LayoutCode>(text);
}

std::optional<render::CoverCode> ParseCoverCode(const QString& text) {
  return ParseCode<render::CoverCode>(text);
}

std::optional<render::CoverFit> ParseCoverFit(const QString& text) {
  return ParseCode<render::CoverFit>(text);
}

std::optional<render::MoonCode> ParseMoonCode(const QString& text) {
  return ParseCode<render::MoonCode>(text);
}

}  // namespace orsalimbra::session

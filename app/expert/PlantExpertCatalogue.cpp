#include "app/expert/PlantExpertCatalogue.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/foundation/Json.hpp"

namespace verdeo {
namespace {

using platform::Json;

constexpr std::string_view kMissing = "The data couldn't be read because it is missing.";
constexpr std::string_view kWrongFormat =
    "The data couldn't be read because it isn't in the correct format.";

// A decoding failure, thrown from deep inside a record and turned into a CatalogueError once.
struct DecodingFailure {
  CatalogueError error;
};

std::string typeName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::object:
      return "an object";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::string:
      return "a string";
    case Json::value_t::boolean:
      return "a boolean";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
      return "a number";
    default:
      return "an unknown value";
  }
}

std::string where(const std::string& path) {
  return path.empty() ? "the top level" : path;
}

[[noreturn]] void typeMismatch(std::string_view expected, const Json& found,
                               const std::string& path) {
  throw DecodingFailure{{std::string(kWrongFormat), "typeMismatch: expected " +
                                                        std::string(expected) + " but found " +
                                                        typeName(found) + " at " + where(path)}};
}

const Json& object(const Json& value, const std::string& path) {
  if (!value.is_object()) typeMismatch("an object", value, path);
  return value;
}

std::string requiredString(const Json& object, const char* key, const std::string& path) {
  auto found = object.find(key);
  if (found == object.end())
    throw DecodingFailure{{std::string(kMissing), "keyNotFound: no value for the key \"" +
                                                      std::string(key) + "\" at " + where(path)}};
  const std::string keyPath = path + "." + key;
  if (found->is_null())
    throw DecodingFailure{
        {std::string(kMissing), "valueNotFound: expected a string but found null at " + keyPath}};
  if (!found->is_string()) typeMismatch("a string", *found, keyPath);
  return found->get<std::string>();
}

std::optional<Troubleshooting> optionalTroubleshooting(const Json& care, const std::string& path) {
  auto found = care.find("troubleshooting");
  if (found == care.end() || found->is_null()) return std::nullopt;
  const std::string here = path + ".troubleshooting";
  const Json& block = object(*found, here);
  Troubleshooting troubleshooting;
  troubleshooting.yellowLeaves = requiredString(block, "yellowLeaves", here);
  troubleshooting.emergencyTips = requiredString(block, "emergencyTips", here);
  return troubleshooting;
}

CareInstructions careInstructions(const Json& record, const std::string& path) {
  auto found = record.find("careInstructions");
  if (found == record.end())
    throw DecodingFailure{{std::string(kMissing),
                           "keyNotFound: no value for the key \"careInstructions\" at " + path}};
  const std::string here = path + ".careInstructions";
  if (found->is_null())
    throw DecodingFailure{
        {std::string(kMissing), "valueNotFound: expected an object but found null at " + here}};
  const Json& care = object(*found, here);
  CareInstructions instructions;
  instructions.watering = requiredString(care, "watering", here);
  instructions.light = requiredString(care, "light", here);
  instructions.temperature = requiredString(care, "temperature", here);
  instructions.soil = requiredString(care, "soil", here);
  instructions.fertilizing = requiredString(care, "fertilizing", here);
  instructions.tips = requiredString(care, "tips", here);
  instructions.troubleshooting = optionalTroubleshooting(care, here);
  return instructions;
}

PlantExpertInfo plantExpertInfo(const Json& value, const std::string& path) {
  const Json& record = object(value, path);
  PlantExpertInfo info;
  info.id = requiredString(record, "id", path);
  info.name = requiredString(record, "name", path);
  info.species = requiredString(record, "species", path);
  info.description = requiredString(record, "description", path);
  info.careInstructions = careInstructions(record, path);
  info.imageName = requiredString(record, "imageName", path);
  return info;
}

CatalogueError notValidJson(const Json::exception& error) {
  // nlohmann prefixes its messages with "[json.exception.parse_error.101] "; the rest says where.
  std::string message = error.what();
  if (auto end = message.find("] ");
      message.rfind("[json.exception.", 0) == 0 && end != std::string::npos)
    message.erase(0, end + 2);
  return {std::string(kWrongFormat), "dataCorrupted: the data is not valid JSON (" + message + ")"};
}

}  // namespace

CatalogueOrError decodePlantExpertCatalogue(std::string_view text) {
  Json document;
  try {
    document = Json::parse(text.begin(), text.end());
  } catch (const Json::exception& error) {
    return notValidJson(error);
  }
  try {
    if (!document.is_array()) typeMismatch("an array", document, "");
    std::vector<PlantExpertInfo> plants;
    plants.reserve(document.size());
    for (std::size_t i = 0; i < document.size(); ++i)
      plants.push_back(plantExpertInfo(document[i], "[" + std::to_string(i) + "]"));
    return plants;
  } catch (DecodingFailure& failure) {
    return std::move(failure.error);
  }
}

CatalogueOrError readPlantExpertCatalogue(const std::filesystem::path& file) {
  auto unreadable = [&](int error) {
    return CatalogueError{"The file \"" + file.filename().string() + "\" couldn't be opened.",
                          "readFailed: " + file.string() + ": " + std::strerror(error)};
  };
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(file.c_str(), "rb"),
                                                         &std::fclose);
  if (!stream) return unreadable(errno);
  std::string text;
  char buffer[1 << 16];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0)
    text.append(buffer, count);
  if (std::ferror(stream.get())) return unreadable(errno ? errno : EIO);
  return decodePlantExpertCatalogue(text);
}

}  // namespace verdeo

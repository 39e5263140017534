#include "change_output.h"

#include "cli_environment.h"
#include "images/change_listing.h"
#include "json_writer.h"

namespace quorprog::cli {

namespace {

void megahertz(JsonWriter& json, std::string_view key, double value) {
    if (value > 0) {
        json.value(key, value);
    } else {
        json.null(key);
    }
}

void limits(JsonWriter& json, std::string_view key, double lower, double upper) {
    json.beginObject(key);
    megahertz(json, "min", lower);
    megahertz(json, "max", upper);
    json.endObject();
}

void writeChange(JsonWriter& json, const ImageChange& change) {
    json.beginObject();
    if (change.field == ChangeField::Byte) {
        json.value("address", change.address)
            .value("old", static_cast<int>(change.oldNumber))
            .value("new", static_cast<int>(change.newNumber));
        json.endObject();
        return;
    }
    json.value("group", change.group);
    switch (change.field) {
        case ChangeField::Frequency:
            json.value("channel", change.channel).value("field", "frequency");
            megahertz(json, "old", change.oldNumber);
            megahertz(json, "new", change.newNumber);
            break;
        case ChangeField::Subtone:
            json.value("channel", change.channel).value("field", "subtone");
            json.value("old", change.oldText).value("new", change.newText);
            break;
        case ChangeField::Divider:
            json.value("channel", change.channel).value("field", "divider");
            json.value("old", static_cast<int64_t>(change.oldNumber))
                .value("new", static_cast<int64_t>(change.newNumber));
            break;
        case ChangeField::Range:
            json.value("field", "range");
            limits(json, "old", change.oldNumber, change.oldUpper);
            limits(json, "new", change.newNumber, change.newUpper);
            break;
        case ChangeField::Option:
            json.value("field", "option").value("name", change.name);
            json.value("old", change.oldText).value("new", change.newText);
            break;
        case ChangeField::Date:
            json.value("field", "date").value("old", change.oldText).value("new", change.newText);
            break;
        case ChangeField::Byte:
            break;
    }
    json.endObject();
}

}  // namespace

std::string changesOutput(const std::vector<ImageChange>& changes,
                          const CliEnvironment& environment) {
    if (!environment.options().json) return describeImageChanges(changes, environment.texts());
    JsonWriter json;
    json.beginObject().beginArray("changes");
    for (const ImageChange& change : changes) writeChange(json, change);
    json.endArray().endObject();
    return json.text() + "\n";
}

}  // namespace quorprog::cli

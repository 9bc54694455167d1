// The calculation command on five arbitrary field texts (separated by zero bytes), in
// either mode; after a success every field must show its record value with two decimals.
#include "calc/calculation.h"
#include "numtext/numtext.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class Fields : public tremalo::FieldAccess {
public:
    std::array<std::string, 6> texts;
    int messages = 0;
    std::string fieldText(tremalo::Field f) const override { return texts[int(f)]; }
    void setFieldText(tremalo::Field f, const std::string& t) override { texts[int(f)] = t; }
    void showMessage(const std::string&, const std::string&) override { ++messages; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto mode = static_cast<tremalo::SolveMode>(data[0] & 1);
    Fields fields;
    std::size_t field = 0;
    for (std::size_t i = 1; i < size && field < 5; ++i) {
        if (data[i] == 0)
            ++field;
        else
            fields.texts[field].push_back(static_cast<char>(data[i]));
    }
    tremalo::SCurve curve = tremalo::defaultSCurve();
    tremalo::runCalculation(curve, fields, mode);
    if (fields.messages > 1)
        std::abort();
    if (fields.messages == 0) {
        const float values[] = {curve.offset,   curve.angle,   curve.radius1,
                                curve.straight, curve.radius2, curve.length};
        for (int i = 0; i < 6; ++i)
            if (fields.texts[i] != tremalo::formatNumber(values[i], 2))
                std::abort();
    }
    return 0;
}

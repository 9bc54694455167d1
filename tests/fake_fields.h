#pragma once

#include "calc/calculation.h"

#include <array>
#include <string>
#include <vector>

namespace tremalo::test {

inline const char* fieldName(Field field) {
    static constexpr const char* Names[] = {"offset",   "angle",   "radius1",
                                            "straight", "radius2", "length"};
    return Names[static_cast<int>(field)];
}

// Six texts and a log of every call the calculation makes, in order.
class FakeFields : public FieldAccess {
public:
    std::array<std::string, 6> texts;
    mutable std::vector<std::string> calls;

    FakeFields() = default;
    FakeFields(std::string offset, std::string angle, std::string radius1, std::string straight,
               std::string radius2, std::string length = "")
        : texts{std::move(offset),   std::move(angle),   std::move(radius1),
                std::move(straight), std::move(radius2), std::move(length)} {}

    std::string& text(Field field) { return texts[static_cast<int>(field)]; }

    std::string fieldText(Field field) const override {
        calls.push_back(std::string("get ") + fieldName(field));
        return texts[static_cast<int>(field)];
    }
    void setFieldText(Field field, const std::string& value) override {
        calls.push_back(std::string("set ") + fieldName(field) + " " + value);
        text(field) = value;
    }
    void showMessage(const std::string& title, const std::string& message) override {
        calls.push_back("message " + title + ": " + message);
    }
};

} // namespace tremalo::test

// Fields in a map: reading a name not in it gives the empty text, writing one adds it.
#include "wallcalc/map_fields.h"

#include <utility>

namespace wallcalc {

MapFields::MapFields(std::map<std::string, std::string> texts) : texts_(std::move(texts)) {}

std::string MapFields::text(const std::string& name) const
{
    const auto it = texts_.find(name);
    return it == texts_.end() ? std::string() : it->second;
}

void MapFields::setText(const std::string& name, const std::string& text)
{
    texts_[name] = text;
}

}  // namespace wallcalc

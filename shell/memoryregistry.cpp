#include "memoryregistry.h"

namespace varn {

std::u16string MemoryRegistry::folded(std::u16string_view path) {
    std::u16string result;
    result.reserve(path.size());
    for (char16_t c : path)
        result += (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
    while (!result.empty() && result.front() == u'\\')
        result.erase(0, 1);
    while (!result.empty() && result.back() == u'\\')
        result.pop_back();
    return result;
}

std::u16string MemoryRegistry::resolved(std::u16string_view path) const {
    const bool absolute = !path.empty() && path.front() == u'\\';
    if (absolute || !current_ || current_->empty()) return folded(path);
    if (folded(path).empty()) return *current_;
    return *current_ + u"\\" + folded(path);
}

MemoryRegistry::Key& MemoryRegistry::createKey(const std::u16string& foldedPath) {
    // As on Windows, creating a key creates every missing key above it.
    for (std::size_t slash = foldedPath.find(u'\\'); slash != std::u16string::npos;
         slash = foldedPath.find(u'\\', slash + 1)) {
        keys_.try_emplace(foldedPath.substr(0, slash));
    }
    return keys_[foldedPath];
}

bool MemoryRegistry::openKey(std::u16string_view path, bool create) {
    const std::u16string key = resolved(path);
    if (key.empty()) return false;
    if (!keys_.contains(key)) {
        if (!create || uncreatable_.contains(key)) return false;
        createKey(key);
    }
    current_ = key;
    return true;
}

std::optional<std::u16string> MemoryRegistry::readDefaultString() {
    if (!current_) return std::nullopt;
    const Key& key = keys_.at(*current_);
    if (key.holdsNumber) return std::nullopt;
    return key.value;
}

bool MemoryRegistry::writeDefaultString(std::u16string_view value) {
    if (!current_ || unwritable_.contains(*current_)) return false;
    Key& key = keys_.at(*current_);
    key.value = std::u16string(value);
    key.holdsNumber = false;
    ++writeCount_;
    return true;
}

void MemoryRegistry::setDefaultString(std::u16string_view key, std::u16string_view value) {
    Key& entry = createKey(folded(key));
    entry.value = std::u16string(value);
    entry.holdsNumber = false;
}

void MemoryRegistry::setDefaultNumber(std::u16string_view key) {
    Key& entry = createKey(folded(key));
    entry.value.reset();
    entry.holdsNumber = true;
}

bool MemoryRegistry::hasKey(std::u16string_view key) const {
    return keys_.contains(folded(key));
}

std::optional<std::u16string> MemoryRegistry::defaultString(std::u16string_view key) const {
    const auto found = keys_.find(folded(key));
    if (found == keys_.end() || found->second.holdsNumber) return std::nullopt;
    return found->second.value;
}

void MemoryRegistry::refuseCreating(std::u16string_view key) {
    uncreatable_.insert(folded(key));
}

void MemoryRegistry::refuseWriting(std::u16string_view key) {
    unwritable_.insert(folded(key));
}

}  // namespace varn

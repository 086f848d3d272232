#include "core/places/BookmarkList.h"

#include "core/storage/VkrStream.h"

#include <algorithm>

namespace orvel {

namespace {

constexpr size_t ReadBufferSize = 4096;
constexpr size_t WriteBufferSize = 8192;

} // namespace

int TBookmarkList::Insert(const TWordDescriptor& place) {
    std::string key = place.ListKey();
    const auto at =
        std::upper_bound(FItems.begin(), FItems.end(), key,
                         [](const std::string& k, const TItem& item) { return k < item.Key; });
    const auto position = at - FItems.begin();
    FItems.insert(at, TItem{std::move(key), place});
    return int(position);
}

TBookmarkAddResult TBookmarkList::Add(const TWordDescriptor& place) {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].Place.SameAs(place)) {
            FItems[i].Place.SetSelection(place.SelStart, place.SelLength);
            return {TBookmarkAddOutcome::Updated, int(i)};
        }
    const int position = Insert(place);
    FModified = true;
    return {TBookmarkAddOutcome::Added, position};
}

int TBookmarkList::Remove(int position) {
    if (position < 0 || position >= Count())
        return -1;
    FItems.erase(FItems.begin() + position);
    FModified = true;
    return std::min(position, Count() - 1);
}

void TBookmarkList::RemoveAll() {
    FItems.clear();
    FModified = true;
}

void TBookmarkList::Clear() {
    FItems.clear();
    FModified = false;
}

void TBookmarkList::ReadFrom(TBaseLoadStream& stream) {
    Clear();
    try {
        stream.Header();
        stream.Reader->ReadListBegin();
        while (!stream.Reader->EndOfList()) {
            TWordDescriptor place;
            place.Load(*stream.Reader, stream.FileVersion);
            Insert(place);
        }
        stream.Reader->ReadListEnd();
    } catch (...) {
        FItems.clear();
        throw;
    }
    FModified = stream.FileVersion != BookmarksVersion;
}

void TBookmarkList::Load(const std::string& fileName) {
    Clear();
    TFileLoadStream stream(fileName, ReadBufferSize, BookmarksVersion, BookmarksSignature);
    ReadFrom(stream);
}

void TBookmarkList::LoadData(std::string data) {
    TMemoryLoadStream stream(std::move(data), BookmarksVersion, BookmarksSignature);
    ReadFrom(stream);
}

void TBookmarkList::Save(const std::string& fileName) {
    TFileSaveStream stream(fileName, WriteBufferSize, BookmarksVersion, BookmarksSignature);
    stream.Header();
    stream.Writer->WriteListBegin();
    for (const TItem& item : FItems)
        item.Place.Save(*stream.Writer);
    stream.Writer->WriteListEnd();
    stream.Commit();
    FModified = false;
}

} // namespace orvel

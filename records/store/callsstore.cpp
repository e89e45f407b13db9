#include "records/store/callsstore.h"

#include "records/callsformat.h"
#include "records/store/machinefiles.h"
#include "records/store/verdict.h"
#include "safefile/keepaside.h"
#include "safefile/reading.h"

#include <QDir>
#include <QFileInfo>

namespace records {

CallsStore::CallsStore(const safefile::Store &beside)
    : m_besideStatus(beside.status())
    , m_filePath(QDir(beside.folder()).filePath(machinefiles::calls().fileName))
{
    const auto take = [this](std::string_view bytes) {
        ReadCalls read = readCalls(bytes);
        if (read.outcome == ReadCalls::Outcome::read)
            m_figures = read.figures;
        else
            m_reason = std::move(read.reason);
        return verdictOf(read.outcome);
    };
    if (!safefile::readOnly(m_besideStatus)) {
        m_store = std::make_unique<safefile::Store>(machinefiles::calls(), beside.folder(), take);
        return;
    }
    const safefile::ReadFile file
        = safefile::readRegularFile(m_filePath, machinefiles::calls().sizeLimit);
    if (file.outcome == safefile::ReadFile::Outcome::read)
        take({ file.bytes.constData(), std::size_t(file.bytes.size()) });
}

void CallsStore::save(const CallFigures &figures)
{
    const bool changed = figures != m_figures;
    m_figures = figures;
    if (changed && m_store)
        m_store->save([figures] { return writeCalls(figures); });
}

void CallsStore::flush()
{
    if (m_store)
        m_store->flush();
}

bool CallsStore::startAgain(const QDateTime &when)
{
    if (!m_store || safefile::readOnly(m_store->status()))
        return false;
    m_store->flush(); // the worker is idle: nothing writes the file while it moves
    if (QFileInfo::exists(m_filePath)
        && !safefile::keepAside(
            m_filePath, QStringLiteral("calls.past-"), QStringLiteral(".txt"), when)
                .ok)
        return false;
    m_figures = {};
    m_reason.clear();
    m_store->save([] { return writeCalls({}); });
    return true;
}

} // namespace records

#include "entry/tablewalk.h"

namespace entry {

TableWalk::TableWalk(store::Cursor& dictionary, Filter filter, Order order)
    : m_dictionary(dictionary)
    , m_filterAfter(filter)
    , m_filter(dictionary.filter())
    , m_filtered(dictionary.filtered())
    , m_order(order) {
    m_dictionary.disableControls();
    m_dictionary.setFiltered(false);
    m_dictionary.setFilter(QString());
    if (m_order == Order::Record)
        m_dictionary.setRecordOrder();
}

TableWalk::~TableWalk() {
    try {
        if (m_dictionary.state() != store::CursorState::Browse)
            m_dictionary.cancel();
        if (m_order == Order::Record)
            m_dictionary.setIndexName(m_dictionary.indexName());
        if (m_filterAfter == Filter::Restore) {
            m_dictionary.setFilter(m_filter);
            m_dictionary.setFiltered(m_filtered);
        }
        m_dictionary.first();
    } catch (...) {
        // The walk's own failure, already on its way, is the one the user needs to see.
    }
    m_dictionary.enableControls();
}

} // namespace entry

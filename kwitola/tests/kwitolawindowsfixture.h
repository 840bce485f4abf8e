#pragma once

#include "common/core/clock.h"
#include "common/testsupport/recordingprintservice.h"
#include "common/testsupport/scripteddialogs.h"
#include "common/testsupport/windowsfixture.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/testsupport/recordingpreview.h"
#include "kwitola/ui/kwitolawindows.h"
#include "kwitola/ui/tffaktura.h"
#include "kwitola/ui/tfopcje.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <initializer_list>
#include <memory>

namespace kwitola::testing {

// Kwitola's windows on a temporary working folder, with recorded messages,
// scripted dialogs, a recording printer and a clock fixed on 5 March 2001.
class WindowsTest : public common::testing::WindowsFixture
{
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        ASSERT_TRUE(m_lockFolder.isValid());
    }

    QString lockPath() const { return m_lockFolder.filePath(QStringLiteral("Kwitola.lock")); }

    // Issuers in table order Zeta then Alfa; recipients and goods whose
    // alphabetical order differs from their table order.
    void fillTables()
    {
        {
            TableStore seed;
            seed.setPassword(QString(kTablePassword));
            ASSERT_TRUE(seed.open(folder()));
            for (const char* name : {"Zeta sp. z o.o.", "Alfa s.c."}) {
                Issuer issuer;
                issuer.Nazwa_firmy = QString::fromUtf8(name);
                issuer.Miejscowosc = QStringLiteral("Poznań");
                issuer.Adres_firmy = QStringLiteral("ul. Długa 1");
                issuer.Nip_firmy = QStringLiteral("111-111-11-11");
                ASSERT_TRUE(seed.insertRecord(issuer));
            }
            const std::array<const char*, 5> recipients[] = {
                {"Zakład Łąka", "Łódź", "ul. Łąkowa 2", "90-001", "222-222-22-22"},
                {"apteka Pod Lwem", "Kraków", "Rynek 3", "31-042", "333-333-33-33"},
                {"Biuro Rachunkowe", "Gdańsk", "ul. Ogarna 4", "80-826", "444-444-44-44"},
            };
            for (const auto& row : recipients) {
                auto recipient = fromTexts<Recipient>(
                    row, {&Recipient::Nazwa_firmy, &Recipient::Miejscowosc, &Recipient::Adres_firmy,
                          &Recipient::Kod_pocztowy, &Recipient::Nip_firmy});
                recipient.Osoba_uprawniona = QStringLiteral("Anna Nowak");
                recipient.Telefon_firmy = QStringLiteral("12 345 67 89");
                recipient.Ostatnia_transakcja = QStringLiteral("01-02-2001");
                ASSERT_TRUE(seed.insertRecord(recipient));
            }
        }
        insertGoods({
            {"Śruba M6", "S-6", "szt.", "0,20", "22"},
            {"Łopata", "L-1", "szt.", "35,00", "22"},
            {"Młotek", "M-2", "szt.", "24,50", "22"},
        });
    }

    // Goods stored after those already in the folder, in the order given:
    // name, factory number, unit, net price and rate.
    using GoodsRow = std::array<const char*, 5>;
    void insertGoods(std::initializer_list<GoodsRow> rows)
    {
        TableStore seed;
        seed.setPassword(QString(kTablePassword));
        ASSERT_TRUE(seed.open(folder()));
        for (const GoodsRow& row : rows) {
            ASSERT_TRUE(seed.insertRecord(fromTexts<Goods>(
                row, {&Goods::Nazwa_towaru, &Goods::numer_fabryczny, &Goods::Jednostka_miary,
                      &Goods::Cena_jednostkowa_netto, &Goods::Stawka_vat})));
        }
    }

    // A record whose members take the row's texts in their order.
    template <typename Record, std::size_t N>
    static Record fromTexts(const std::array<const char*, N>& row,
                            const std::array<QString Record::*, N>& members)
    {
        Record record;
        for (std::size_t i = 0; i < N; ++i) {
            record.*members[i] = QString::fromUtf8(row[i]);
        }
        return record;
    }

    ui::Services services()
    {
        return {m_messages, m_clock, m_files,  m_printers, m_printer,
                m_preview,  m_store, folder(), lockPath()};
    }

    // Creates the windows and shows the main window, which runs its start-up.
    void start()
    {
        m_windows = std::make_unique<ui::KwitolaWindows>(services());
        faktura().resize(1280, 1024);
        faktura().show();
    }

    ui::TfFaktura& faktura() const { return m_windows->faktura(); }
    ui::TfOpcje& opcje() const { return m_windows->opcje(); }

    template <typename Widget> Widget* control(const char* name) const
    {
        return childOf<Widget>(faktura(), name);
    }

    template <typename Widget> Widget* option(const char* name) const
    {
        return childOf<Widget>(opcje(), name);
    }

    QTemporaryDir m_lockFolder;
    common::FixedClock m_clock{QDate(2001, 3, 5)};
    common::testing::ScriptedFileDialogService m_files;
    common::testing::ScriptedPrinterDialogService m_printers;
    common::testing::RecordingPrintService m_printer;
    RecordingPreview m_preview;
    TableStore m_store;
    std::unique_ptr<ui::KwitolaWindows> m_windows;
};

} // namespace kwitola::testing

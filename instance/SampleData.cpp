#include "instance/SampleData.h"

#include "instance/Sqlite.h"

namespace instance {
namespace {

constexpr char kSystemSchema[] =
    "CREATE TABLE sysobjects(name TEXT NOT NULL, type TEXT NOT NULL);"
    "CREATE INDEX sysobjects_name ON sysobjects(name);"
    "INSERT INTO sysobjects VALUES('sysobjects', 'S');";

constexpr char kZolSchema[] =
    "CREATE TABLE customers(id INTEGER PRIMARY KEY, name TEXT NOT NULL, city TEXT);"
    "CREATE INDEX customers_name ON customers(name);"
    "CREATE TABLE products(id INTEGER PRIMARY KEY, title TEXT NOT NULL, price REAL NOT NULL);"
    "CREATE UNIQUE INDEX products_title ON products(title);"
    "CREATE TABLE orders(id INTEGER PRIMARY KEY, customer INTEGER NOT NULL REFERENCES customers,"
    "                    product INTEGER NOT NULL REFERENCES products, quantity INTEGER NOT NULL);"
    "CREATE INDEX orders_customer ON orders(customer);"
    "INSERT INTO customers(name, city) VALUES('Ada Lindqvist', 'Uppsala'),"
    "  ('Bruno Keller', 'Basel'), ('Chiara Conti', 'Torino'), ('Dmitri Orlov', 'Tartu');"
    "INSERT INTO products(title, price) VALUES('Filter cartridge', 12.5),"
    "  ('Pump housing', 88.0), ('Seal kit', 4.75);"
    "INSERT INTO orders(customer, product, quantity) VALUES(1, 1, 10), (1, 3, 40),"
    "  (2, 2, 1), (3, 1, 5), (4, 3, 12);";

constexpr char kDezurivuviSchema[] =
    "CREATE TABLE sites(id INTEGER PRIMARY KEY, code TEXT NOT NULL, region TEXT NOT NULL);"
    "CREATE UNIQUE INDEX sites_code ON sites(code);"
    "CREATE TABLE readings(id INTEGER PRIMARY KEY, site INTEGER NOT NULL REFERENCES sites,"
    "                      taken TEXT NOT NULL, value REAL NOT NULL);"
    "CREATE INDEX readings_site_taken ON readings(site, taken);"
    "INSERT INTO sites(code, region) VALUES('N-01', 'North'), ('N-02', 'North'),"
    "  ('S-01', 'South');"
    "INSERT INTO readings(site, taken, value) VALUES(1, '2026-01-05', 3.2),"
    "  (1, '2026-01-06', 3.4), (2, '2026-01-05', 7.9), (3, '2026-01-05', 1.1);";

}  // namespace

const std::vector<SampleDatabase>& SampleDatabases() {
    static const std::vector<SampleDatabase> databases{
        {u"master", "master", true, kSystemSchema},
        {u"model", "model", true, kSystemSchema},
        {u"msdb", "msdb", true, kSystemSchema},
        {u"tempdb", "tempdb", true, kSystemSchema},
        {u"zol", "zol", false, kZolSchema},
        {u"dezurivuvi", "dezurivuvi", false, kDezurivuviSchema},
    };
    return databases;
}

bool BuildSampleDatabase(const SampleDatabase& database, const std::filesystem::path& file,
                         std::string* error) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    Connection connection;
    if (!connection.Open(file, true) || !connection.Exec("BEGIN") ||
        !connection.Exec(database.schema) || !connection.Exec("COMMIT")) {
        *error = connection.Error();
        return false;
    }
    return true;
}

}  // namespace instance

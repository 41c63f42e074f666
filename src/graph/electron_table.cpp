// Reading the electron counterpart of a material table.
#include "graph/electron_table.h"

#include <QCoreApplication>

#include "core/material_file.h"
#include "core/material_reading.h"
#include "toolkit/text_files.h"

namespace velmora {

ElectronTable ReadElectronTable(const MaterialTable& positrons) {
    const QString path = QString::fromStdString(ElectronTablePath(positrons.DataFilePath));
    if (path.isEmpty()) {
        return {std::nullopt,
                QCoreApplication::translate("velmora::GraphWindow",
                                            "There is no electron table for this material.")};
    }
    const MaterialText contents = ReadMaterialText(NativePath(path).toStdString());
    if (!contents.text) {
        return {std::nullopt,
                QCoreApplication::translate("velmora::GraphWindow",
                                            "There is no electron table for this material: "
                                            "%1 cannot be read (%2).")
                    .arg(path, QString::fromStdString(contents.error))};
    }
    const ParseResult<LoadedMaterial> parsed =
        ParseMaterialFile(*contents.text, path.toStdString());
    if (!parsed) {
        return {std::nullopt, QCoreApplication::translate("velmora::GraphWindow",
                                                          "The electron table cannot be used: %1")
                                  .arg(QString::fromStdString(parsed.error.Message()))};
    }
    if (parsed.value->head.name != positrons.MaterialName) {
        return {std::nullopt,
                QCoreApplication::translate("velmora::GraphWindow",
                                            "The electron table %1 is for \"%2\", not for \"%3\".")
                    .arg(path, QString::fromStdString(parsed.value->head.name),
                         QString::fromStdString(positrons.MaterialName))};
    }
    MaterialTable electrons;
    electrons.DataFilePath = path.toStdString();
    CommitLoadedMaterial(electrons, *parsed.value);
    return {std::move(electrons), QString()};
}

}  // namespace velmora

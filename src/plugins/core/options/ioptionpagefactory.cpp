// SPDX-License-Identifier: MIT
#include "ioptionpagefactory.h"

IOptionPageFactory::IOptionPageFactory(QObject* parent)
    : QObject(parent)
{}

IOptionPageFactory::~IOptionPageFactory() = default;

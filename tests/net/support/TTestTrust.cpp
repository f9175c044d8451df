#include "TTestTrust.h"

TTestTrust::TTestTrust(const QList<QSslCertificate>& certificates)
    : m_previous(QSslConfiguration::defaultConfiguration())
{
    QSslConfiguration c = m_previous;
    c.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(c);
}

TTestTrust::~TTestTrust()
{
    QSslConfiguration::setDefaultConfiguration(m_previous);
}

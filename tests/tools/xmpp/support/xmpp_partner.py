#!/usr/bin/python3
"""The other person in an XMPP test: one account on slixmpp, driven over stdin and stdout.

Each input line is a JSON command {"cmd": NAME, "id": ANY, ...}; each is answered by a line
{"event": "reply", "id": ANY, "ok": true|false, "error"?: TEXT, ...}. Everything the account sees
arrives as further lines {"event": NAME, ...} (see EVENTS in README.md). Standard input closing
ends the process, so it never outlives its driver.
"""

import asyncio
import base64
import hashlib
import json
import logging
import ssl
import sys

import slixmpp
from slixmpp.xmlstream import ET
from slixmpp.xmlstream.handler import Callback
from slixmpp.xmlstream.matcher import MatchXPath

NS_CLIENT = "jabber:client"
NS_STREAMS = "http://etherx.jabber.org/streams"
NS_TLS = "urn:ietf:params:xml:ns:xmpp-tls"
NS_XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
NS_CORRECT = "urn:xmpp:message-correct:0"
NS_RECEIPTS = "urn:xmpp:receipts"
NS_DELAY = "urn:xmpp:delay"
NS_MUC = "http://jabber.org/protocol/muc"
NS_MUC_USER = "http://jabber.org/protocol/muc#user"
NS_VCARD_UPDATE = "vcard-temp:x:update"


def emit(event, **fields):
    sys.stdout.write(json.dumps(dict(event=event, **fields), ensure_ascii=False) + "\n")
    sys.stdout.flush()


def normal_fingerprint(text):
    return text.replace(":", "").strip().lower()


class CommandError(Exception):
    pass


class Account(slixmpp.ClientXMPP):
    """One connection of the partner: the plugins it advertises and the stanzas it reports."""

    def __init__(self, options):
        super().__init__(options["jid"], options["password"],
                         lang=options.get("streamLang") or "en")
        self.options = options
        # Why the server was left, when the partner left it on purpose.
        self.failure = None
        self.stream_features = []
        self.tls = bool(options.get("tls", False))
        self.server_address = (options.get("host", "127.0.0.1"), int(options["port"]))
        self.register_plugin("xep_0030")
        self.register_plugin("xep_0045")
        self.register_plugin("xep_0054")
        self.register_plugin("xep_0153")
        self.register_plugin("xep_0199")
        # Corrections and receipts are parsed from the stanzas either way; the plugins make the
        # account advertise them (and answer receipt requests), which a test may turn off.
        if options.get("advertiseCorrections", True):
            self.register_plugin("xep_0308")
        if options.get("answerReceipts", True):
            self.register_plugin("xep_0184", {"auto_ack": True, "auto_request": False})
        self.register_handler(
            Callback("partner message", MatchXPath("{%s}message" % NS_CLIENT), self.on_message))
        self.add_event_handler("presence", self.on_presence)
        self.add_event_handler("presence_subscribe", self.on_subscribe)
        self.register_handler(
            Callback("partner features", MatchXPath("{%s}features" % NS_STREAMS), self.on_features))
        self.add_event_handler("ssl_cert", self.on_certificate)
        self.prepare_tls(options)

    def start_stream_handler(self, xml):
        super().start_stream_handler(xml)
        # slixmpp stamps every received stanza without xml:lang with the server stream's
        # language; the tests need the language the sender gave, or none.
        self.peer_default_lang = None

    def dial(self):
        # Always the given address (without one slixmpp looks up the domain's SRV records) and
        # always the TLS choice (its defaults turn STARTTLS back on).
        self.connect(self.server_address, force_starttls=self.tls, disable_starttls=not self.tls)

    def prepare_tls(self, options):
        trust = options.get("fingerprint", "")
        if not options.get("tls", False) or not trust:
            return
        # A self-signed certificate is checked against its pinned fingerprint (or not at all for
        # "any") once the handshake is done, before the stream carries the password.
        context = ssl.create_default_context()
        context.check_hostname = False
        context.verify_mode = ssl.CERT_NONE
        self.ssl_context = context

    def on_certificate(self, pem):
        trust = self.options.get("fingerprint", "")
        actual = hashlib.sha256(ssl.PEM_cert_to_DER_cert(pem)).hexdigest()
        if trust and trust != "any" and normal_fingerprint(trust) != actual:
            # Written as scripts/xmpp-server prints it.
            shown = ":".join(actual[i:i + 2] for i in range(0, len(actual), 2)).upper()
            emit("tls-refused", fingerprint=shown)
            self.leave("certificate refused: fingerprint %s" % shown)

    def on_features(self, features):
        # What the last stream offered (after login: binding, stream management, ...).
        self.stream_features = sorted({child.tag.strip("{").split("}")[0] for child in features.xml})
        # Without TLS a server that requires it offers nothing to log in with: say so at once.
        required = features.xml.find("{%s}starttls/{%s}required" % (NS_TLS, NS_TLS))
        if required is not None and not self.tls:
            self.leave("the server requires TLS")

    def leave(self, failure):
        self.failure = failure
        if self.transport is not None:
            self.abort()
        else:
            self.event("disconnected", failure)

    def on_message(self, msg):
        xml = msg.xml
        kind = xml.get("type", "normal")
        if kind == "error":
            error = xml.find("{%s}error" % NS_CLIENT)
            condition = ""
            if error is not None and len(error):
                condition = error[0].tag.split("}")[-1]
            emit("message-error", **{"from": xml.get("from", ""), "id": xml.get("id", ""),
                                     "condition": condition})
            return
        received = xml.find("{%s}received" % NS_RECEIPTS)
        if received is not None:
            emit("receipt", **{"from": xml.get("from", ""), "id": received.get("id", "")})
        body = xml.find("{%s}body" % NS_CLIENT)
        if body is None:
            return
        replace = xml.find("{%s}replace" % NS_CORRECT)
        lang = xml.get(NS_XML_LANG) or body.get(NS_XML_LANG) or ""
        emit("message", **{
            "from": xml.get("from", ""),
            "to": xml.get("to", ""),
            "type": kind,
            "id": xml.get("id", ""),
            "body": body.text or "",
            "lang": lang,
            "replaces": replace.get("id", "") if replace is not None else "",
            "receiptRequested": xml.find("{%s}request" % NS_RECEIPTS) is not None,
            "delayed": xml.find("{%s}delay" % NS_DELAY) is not None,
        })

    def on_presence(self, presence):
        xml = presence.xml
        kind = xml.get("type", "available")
        user = xml.find("{%s}x" % NS_MUC_USER)
        if user is None:
            if kind in ("available", "unavailable"):
                photo = xml.find("{%s}x/{%s}photo" % (NS_VCARD_UPDATE, NS_VCARD_UPDATE))
                avatar = (photo.text or "") if photo is not None else ""
                emit("presence", **{"from": xml.get("from", ""), "type": kind,
                                    "avatarHash": avatar})
            return
        if kind == "error":
            return
        sender = presence["from"]
        item = user.find("{%s}item" % NS_MUC_USER)
        codes = {status.get("code") for status in user.findall("{%s}status" % NS_MUC_USER)}
        emit("occupant", room=sender.bare, nick=sender.resource,
             jid=item.get("jid", "") if item is not None else "",
             affiliation=item.get("affiliation", "") if item is not None else "",
             joined=kind != "unavailable", own="110" in codes)
        self.event("partner_room_presence", (sender.bare, sender.resource, kind, codes, item))

    def on_subscribe(self, presence):
        emit("subscribe", **{"from": presence["from"].bare})


class Partner:
    """Runs the commands of one input line at a time against the current account."""

    def __init__(self, loop):
        self.loop = loop
        self.account = None
        self.reconnect = False

    async def run(self):
        reader = asyncio.StreamReader(limit=64 * 1024 * 1024)
        await self.loop.connect_read_pipe(
            lambda: asyncio.StreamReaderProtocol(reader), sys.stdin)
        emit("ready")
        while True:
            line = await reader.readline()
            if not line:
                break
            if line.strip():
                await self.dispatch(line)
        await self.stop()

    async def dispatch(self, line):
        try:
            command = json.loads(line)
            if not isinstance(command, dict):
                raise CommandError("a command is a JSON object")
        except (ValueError, CommandError) as error:
            emit("reply", id=None, ok=False, error="bad command line: %s" % error)
            return
        ident = command.get("id")
        handler = getattr(self, "cmd_" + str(command.get("cmd", "")), None)
        if handler is None:
            emit("reply", id=ident, ok=False, error="unknown command %r" % command.get("cmd"))
            return
        try:
            result = await handler(command) or {}
            emit("reply", id=ident, ok=True, **result)
        except CommandError as error:
            emit("reply", id=ident, ok=False, error=str(error))
        except (KeyError, TypeError, ValueError) as error:
            emit("reply", id=ident, ok=False, error="bad arguments: %r" % error)
        except Exception as error:  # the partner stays up for the next command
            emit("reply", id=ident, ok=False, error="%s: %s" % (type(error).__name__, error))

    def online(self):
        if self.account is None or not self.account.is_connected():
            raise CommandError("not connected")
        return self.account

    async def cmd_connect(self, command):
        await self.stop()
        self.reconnect = bool(command.get("reconnect", False))
        account = Account(command)
        self.account = account
        result = self.loop.create_future()
        account.add_event_handler("session_start", lambda _: self.start_session(account, result))
        # A refusal ends the attempt for good: a partner that reconnects does not retry it.
        account.add_event_handler("failed_all_auth",
                                  lambda _: account.leave("authentication failed"))
        account.add_event_handler("no_auth", lambda _: account.leave("no usable login method"))
        account.add_event_handler("ssl_invalid_chain",
                                  lambda _: account.leave("certificate not trusted"))
        account.add_event_handler("connection_failed",
                                  lambda error: self.connection_failed(account, result, error))
        account.add_event_handler("disconnected",
                                  lambda reason: self.disconnected(account, result, reason))
        account.dial()
        try:
            return await asyncio.wait_for(result, float(command.get("timeout", 30)))
        except asyncio.TimeoutError:
            await self.stop()
            raise CommandError("no session within %s s" % command.get("timeout", 30))

    def start_session(self, account, result):
        async def start():
            account.send_presence()
            await account.get_roster()
            emit("online", jid=str(account.boundjid), streamFeatures=account.stream_features)
            if not result.done():
                result.set_result({"jid": str(account.boundjid)})
        asyncio.ensure_future(start())

    def fail(self, result, error):
        if not result.done():
            result.set_exception(CommandError(error))

    def connection_failed(self, account, result, error):
        if account is not self.account:
            return
        if not self.reconnect:
            account.cancel_connection_attempt()
            self.fail(result, "connection failed: %s" % error)
            return
        # slixmpp's own back-off grows to minutes; a server that restarts is back within seconds.
        account.cancel_connection_attempt()
        self.loop.call_later(0.2, self.retry, account)

    def retry(self, account):
        if account is self.account and not account.is_connected():
            account.dial()

    def disconnected(self, account, result, reason):
        emit("disconnected", reason=str(reason or ""))
        if account.failure:
            self.fail(result, account.failure)
            return
        self.fail(result, "disconnected: %s" % (reason or ""))
        if account is self.account and self.reconnect:
            self.loop.call_later(0.2, self.retry, account)

    async def stop(self):
        account, self.account = self.account, None
        if account is not None and account.is_connected():
            account.disconnect(wait=2.0)
            await account.disconnected
        elif account is not None:
            account.cancel_connection_attempt()

    async def cmd_disconnect(self, _command):
        await self.stop()

    def build_message(self, command, body):
        account = self.online()
        msg = account.make_message(mto=command["to"], mbody=body,
                                   mtype=command.get("type", "chat"))
        msg["id"] = command.get("messageId") or account.new_id()
        # slixmpp marks every message with its stream's language, "en"; a test's message carries
        # the language it asks for, or none.
        msg.xml.attrib.pop(NS_XML_LANG, None)
        if command.get("lang"):
            msg.xml.set(NS_XML_LANG, command["lang"])
        if command.get("requestReceipt"):
            msg.xml.append(ET.Element("{%s}request" % NS_RECEIPTS))
        return msg

    async def cmd_send(self, command):
        msg = self.build_message(command, command["body"])
        await self.handed_over(msg)
        return {"messageId": msg["id"]}

    async def cmd_correct(self, command):
        msg = self.build_message(command, command["body"])
        msg.xml.append(ET.Element("{%s}replace" % NS_CORRECT, {"id": command["replaces"]}))
        await self.handed_over(msg)
        return {"messageId": msg["id"]}

    async def handed_over(self, msg):
        # The server handles a session's stanzas in order: once it answers a ping sent after the
        # message, it has routed or stored the message, and a restart cannot lose it.
        msg.send()
        await self.account["xep_0199"].ping(timeout=30)

    async def cmd_join(self, command):
        account = self.online()
        room, nick = command["room"], command["nick"]
        joined = self.loop.create_future()

        def on_room_presence(presence):
            sender_room, sender_nick, kind, codes, item = presence
            if sender_room == room and ("110" in codes or sender_nick == nick):
                if not joined.done():
                    joined.set_result((kind, codes, item))

        def on_error(stanza):
            if stanza["from"].bare == room and not joined.done():
                joined.set_exception(CommandError("join refused: %s" % stanza["error"]["condition"]))

        account.add_event_handler("partner_room_presence", on_room_presence)
        account.add_event_handler("presence_error", on_error)
        try:
            presence = account.make_presence(pto="%s/%s" % (room, nick))
            presence.append(ET.Element("{%s}x" % NS_MUC))
            presence.send()
            _, codes, item = await asyncio.wait_for(joined, 30)
        finally:
            account.del_event_handler("partner_room_presence", on_room_presence)
            account.del_event_handler("presence_error", on_error)
        owner = item is not None and item.get("affiliation") == "owner"
        public = command.get("publicJids")
        if public is not None:
            if not owner:
                raise CommandError("only the room's owner can set who sees real JIDs")
            await self.configure_room(account, room, bool(public))
        return {"created": "201" in codes, "owner": owner}

    async def configure_room(self, account, room, public):
        form = account["xep_0004"].make_form(ftype="submit")
        form.add_field(var="FORM_TYPE", ftype="hidden",
                       value="http://jabber.org/protocol/muc#roomconfig")
        form.add_field(var="muc#roomconfig_whois", value="anyone" if public else "moderators")
        await account["xep_0045"].set_room_config(room, form, timeout=30)

    async def cmd_leave(self, command):
        account = self.online()
        account.make_presence(pto="%s/%s" % (command["room"], command["nick"]),
                              ptype="unavailable").send()

    async def cmd_vcard(self, command):
        account = self.online()
        vcard = account["xep_0054"].make_vcard()
        if command.get("fullName"):
            vcard["FN"] = command["fullName"]
        photo = b""
        if command.get("photoFile"):
            with open(command["photoFile"], "rb") as file:
                photo = file.read()
        elif command.get("photo"):
            photo = base64.b64decode(command["photo"])
        if photo:
            vcard["PHOTO"]["TYPE"] = command.get("photoType", "image/jpeg")
            vcard["PHOTO"]["BINVAL"] = photo
        await account["xep_0054"].publish_vcard(vcard, timeout=30)
        # The photo's hash in presence tells contacts to fetch the new vCard.
        await account["xep_0153"].api["reset_hash"](account.boundjid)
        account.send_presence()
        return {"photoHash": hashlib.sha1(photo).hexdigest() if photo else ""}

    async def cmd_getVcard(self, command):
        result = await self.online()["xep_0054"].get_vcard(command["jid"], cached=False,
                                                           timeout=30)
        vcard = result["vcard_temp"]
        photo = vcard["PHOTO"]["BINVAL"] or b""
        return {"fullName": vcard["FN"], "photoType": vcard["PHOTO"]["TYPE"],
                "photoHash": hashlib.sha1(photo).hexdigest() if photo else ""}

    async def cmd_features(self, command):
        result = await self.online()["xep_0030"].get_info(jid=command["jid"], cached=False,
                                                          timeout=30)
        return {"features": sorted(result["disco_info"]["features"])}

    async def cmd_subscribe(self, command):
        self.online().send_presence_subscription(pto=command["to"])

    async def cmd_ping(self, _command):
        return {"connected": self.account is not None and self.account.is_connected()}


def main():
    logging.basicConfig(level=logging.ERROR, stream=sys.stderr,
                        format="xmpp-partner %(levelname)s %(name)s: %(message)s")
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    loop.run_until_complete(Partner(loop).run())
    pending = asyncio.all_tasks(loop)
    for task in pending:
        task.cancel()
    loop.run_until_complete(asyncio.gather(*pending, return_exceptions=True))


if __name__ == "__main__":
    main()

#include "class/classschema.h"

#include "class/classsql.h"

namespace ClassSchema {

const char* const LearnerRole = "qirtas_learner";
const char* const TeacherRole = "qirtas_teacher";

namespace {

// Two inits at once wait for each other.
const char InitLock[] = "SELECT pg_advisory_xact_lock(7165031)";

// Version 1.
//
// Every drill is a row of qirtas.drill, keyed by the id its seat gave it, so
// a drill sent twice is kept once. A learner is a class code and a name;
// learner_key stands for the pair in indexes, since a name may be far too
// long for one. A drill's per-character counts are arrays of the row.
//
// The teacher's figures come from summaries per learner, day (UTC) and
// drill kind, the same per month, and per class, day and character. Sending does not write
// them, so learners sending at once never wait for each other on a
// class's summary rows: a trigger notes each new drill in
// qirtas.drill_unsummed, and qirtas.refresh(), run before the teacher's
// queries, adds the noted drills to the summaries. Sums of t (days since
// 2020-01-01), t² and t times speed or accuracy give the trends.
const char* const Step1[] = {
    "CREATE TABLE qirtas.class_login ("
    " login name NOT NULL,"
    " class_code text NOT NULL,"
    " learner text," // null: an account that all the class shares
    " PRIMARY KEY (login, class_code))",
    "CREATE TABLE qirtas.teacher_login ("
    " login name NOT NULL,"
    " class_code text NOT NULL,"
    " PRIMARY KEY (login, class_code))",

    "CREATE FUNCTION qirtas.learner_key(class_code text, learner text) RETURNS uuid"
    " LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE"
    " AS $$SELECT md5(md5(class_code) || md5(learner))::uuid$$",
    "CREATE FUNCTION qirtas.day_number(t timestamptz) RETURNS double precision"
    " LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE"
    " AS $$SELECT date_part('epoch', t) / 86400 - 18262$$",
    "CREATE FUNCTION qirtas.short_texts(a text[]) RETURNS boolean"
    " LANGUAGE sql IMMUTABLE PARALLEL SAFE"
    " AS $$SELECT coalesce(bool_and(x IS NOT NULL AND char_length(x) BETWEEN 1 AND 8), true) FROM unnest(a) x$$",

    "CREATE TABLE qirtas.drill ("
    " id uuid PRIMARY KEY,"
    " class_code text NOT NULL CHECK (char_length(class_code) BETWEEN 1 AND 200),"
    " learner text NOT NULL CHECK (char_length(learner) BETWEEN 1 AND 10000),"
    " learner_key uuid NOT NULL GENERATED ALWAYS AS (qirtas.learner_key(class_code, learner)) STORED,"
    " login name NOT NULL DEFAULT session_user,"
    " received timestamptz NOT NULL DEFAULT now(),"
    " finished timestamptz NOT NULL,"
    " kind smallint NOT NULL,"
    " keyboard smallint NOT NULL,"
    " symbols boolean NOT NULL,"
    " lesson text CHECK (char_length(lesson) <= 200),"
    " lesson_number integer,"
    " items_asked integer NOT NULL CHECK (items_asked >= 0),"
    " items_done integer NOT NULL CHECK (items_done >= 0),"
    " keys_typed integer NOT NULL CHECK (keys_typed >= 0),"
    " correct integer NOT NULL CHECK (correct >= 0),"
    " hints integer NOT NULL CHECK (hints >= 0),"
    " elapsed integer NOT NULL CHECK (elapsed >= 0),"
    " speed double precision NOT NULL,"
    " accuracy double precision NOT NULL,"
    " score integer NOT NULL,"
    " chars text[] NOT NULL,"
    " presses integer[] NOT NULL,"
    " errors integer[] NOT NULL,"
    // Of the presses typed right, those whose time was measured, and the
    // times added up; empty when the seat measured none.
    " timed integer[] NOT NULL DEFAULT '{}',"
    " time_ms bigint[] NOT NULL DEFAULT '{}',"
    // {"asked": {"typed instead": times}}
    " confusions jsonb NOT NULL DEFAULT '{}' CHECK (pg_column_size(confusions) <= 65536),"
    " CHECK (cardinality(chars) <= 1000 AND cardinality(presses) = cardinality(chars)"
    "        AND cardinality(errors) = cardinality(chars) AND qirtas.short_texts(chars)"
    "        AND cardinality(timed) IN (0, cardinality(chars)) AND cardinality(time_ms) = cardinality(timed)))",
    "CREATE INDEX drill_by_learner ON qirtas.drill (learner_key, finished)",
    "CREATE INDEX drill_by_class ON qirtas.drill (class_code, finished)",

    "CREATE TABLE qirtas.drill_unsummed (id uuid PRIMARY KEY)",
    "CREATE TABLE qirtas.learner ("
    " learner_key uuid PRIMARY KEY,"
    " class_code text NOT NULL,"
    " name text NOT NULL,"
    " first_finished timestamptz NOT NULL,"
    " last_finished timestamptz NOT NULL,"
    " lesson text,"
    " lesson_number integer)",
    "CREATE INDEX learner_by_class ON qirtas.learner (class_code)",
    "CREATE TABLE qirtas.learner_day ("
    " learner_key uuid NOT NULL,"
    " day date NOT NULL,"
    " kind smallint NOT NULL,"
    " class_code text NOT NULL,"
    " drills integer NOT NULL,"
    " seconds bigint NOT NULL,"
    " speed double precision NOT NULL,"
    " accuracy double precision NOT NULL,"
    " t double precision NOT NULL,"
    " tt double precision NOT NULL,"
    " t_speed double precision NOT NULL,"
    " t_accuracy double precision NOT NULL,"
    " PRIMARY KEY (learner_key, day, kind))",
    "CREATE INDEX learner_day_by_class ON qirtas.learner_day (class_code, day)",
    // The same by month, so that a term or a year reads a few rows a learner.
    "CREATE TABLE qirtas.learner_month (LIKE qirtas.learner_day)",
    "ALTER TABLE qirtas.learner_month RENAME COLUMN day TO month",
    "ALTER TABLE qirtas.learner_month ADD PRIMARY KEY (learner_key, month, kind)",
    "CREATE INDEX learner_month_by_class ON qirtas.learner_month (class_code, month)",
    "CREATE TABLE qirtas.class_day_char ("
    " class_code text NOT NULL,"
    " day date NOT NULL,"
    " ch text NOT NULL,"
    " presses bigint NOT NULL,"
    " errors bigint NOT NULL,"
    " timed bigint NOT NULL,"
    " time_ms bigint NOT NULL,"
    " PRIMARY KEY (class_code, day, ch))",

    "CREATE FUNCTION qirtas.note_added() RETURNS trigger LANGUAGE plpgsql"
    " SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$"
    "BEGIN"
    "  INSERT INTO qirtas.drill_unsummed (id) SELECT id FROM added;"
    "  RETURN NULL;"
    " END $$",
    // Only the rows really added are in the transition table: a drill sent
    // again is not counted again.
    "CREATE TRIGGER drill_added AFTER INSERT ON qirtas.drill"
    " REFERENCING NEW TABLE AS added FOR EACH STATEMENT EXECUTE FUNCTION qirtas.note_added()",

    "CREATE FUNCTION qirtas.refresh() RETURNS integer LANGUAGE plpgsql"
    " SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$"
    "DECLARE n integer;"
    " BEGIN"
    "  PERFORM pg_advisory_xact_lock(7165032);"
    "  WITH taken AS (DELETE FROM qirtas.drill_unsummed RETURNING id),"
    "  d AS (SELECT x.*, qirtas.day_number(x.finished) AS t, (x.finished AT TIME ZONE 'UTC')::date AS day"
    "        FROM qirtas.drill x JOIN taken USING (id)),"
    "  days AS (INSERT INTO qirtas.learner_day AS s"
    "   SELECT learner_key, day, kind, min(class_code), count(*), sum(elapsed), sum(speed), sum(accuracy),"
    "          sum(t), sum(t * t), sum(t * speed), sum(t * accuracy)"
    "   FROM d GROUP BY learner_key, day, kind"
    "   ON CONFLICT (learner_key, day, kind) DO UPDATE SET"
    "    drills = s.drills + excluded.drills, seconds = s.seconds + excluded.seconds,"
    "    speed = s.speed + excluded.speed, accuracy = s.accuracy + excluded.accuracy,"
    "    t = s.t + excluded.t, tt = s.tt + excluded.tt,"
    "    t_speed = s.t_speed + excluded.t_speed, t_accuracy = s.t_accuracy + excluded.t_accuracy),"
    "  months AS (INSERT INTO qirtas.learner_month AS s"
    "   SELECT learner_key, date_trunc('month', day)::date, kind, min(class_code), count(*), sum(elapsed),"
    "          sum(speed), sum(accuracy), sum(t), sum(t * t), sum(t * speed), sum(t * accuracy)"
    "   FROM d GROUP BY 1, 2, 3"
    "   ON CONFLICT (learner_key, month, kind) DO UPDATE SET"
    "    drills = s.drills + excluded.drills, seconds = s.seconds + excluded.seconds,"
    "    speed = s.speed + excluded.speed, accuracy = s.accuracy + excluded.accuracy,"
    "    t = s.t + excluded.t, tt = s.tt + excluded.tt,"
    "    t_speed = s.t_speed + excluded.t_speed, t_accuracy = s.t_accuracy + excluded.t_accuracy),"
    "  keys AS (INSERT INTO qirtas.class_day_char AS s"
    "   SELECT d.class_code, d.day, u.ch, sum(u.p), sum(u.e), coalesce(sum(u.n), 0), coalesce(sum(u.ms), 0)"
    "   FROM d, unnest(d.chars, d.presses, d.errors, d.timed, d.time_ms) AS u(ch, p, e, n, ms) GROUP BY 1, 2, 3"
    "   ON CONFLICT (class_code, day, ch) DO UPDATE SET"
    "    presses = s.presses + excluded.presses, errors = s.errors + excluded.errors,"
    "    timed = s.timed + excluded.timed, time_ms = s.time_ms + excluded.time_ms),"
    "  people AS (INSERT INTO qirtas.learner AS s"
    "   SELECT DISTINCT ON (learner_key) learner_key, class_code, learner,"
    "          min(finished) OVER w, max(finished) OVER w, lesson, lesson_number"
    "   FROM d WINDOW w AS (PARTITION BY learner_key)"
    "   ORDER BY learner_key, lesson_number DESC NULLS LAST"
    "   ON CONFLICT (learner_key) DO UPDATE SET"
    "    first_finished = least(s.first_finished, excluded.first_finished),"
    "    last_finished = greatest(s.last_finished, excluded.last_finished),"
    "    lesson = CASE WHEN excluded.lesson_number > coalesce(s.lesson_number, 0)"
    "                  THEN excluded.lesson ELSE s.lesson END,"
    "    lesson_number = CASE WHEN excluded.lesson_number > coalesce(s.lesson_number, 0)"
    "                  THEN excluded.lesson_number ELSE s.lesson_number END)"
    "  SELECT count(*) INTO n FROM taken;"
    "  RETURN n;"
    " END $$",

    // Who may do what: the session's login, looked up in the tables above
    // by functions that may read them (the accounts themselves may not).
    "CREATE FUNCTION qirtas.may_add(class_code text, learner text) RETURNS boolean"
    " LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp"
    " AS $$SELECT EXISTS (SELECT 1 FROM qirtas.class_login m WHERE m.login = session_user"
    "   AND m.class_code = $1 AND (m.learner IS NULL OR m.learner = $2))$$",
    // A shared account reads the learner whose name the session gave in
    // the setting qirtas.learner; an account of one learner's own, that
    // learner only.
    "CREATE FUNCTION qirtas.readable_learners() RETURNS uuid[]"
    " LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp"
    " AS $$SELECT coalesce(array_agg(qirtas.learner_key(m.class_code,"
    "   coalesce(m.learner, nullif(current_setting('qirtas.learner', true), '')))), '{}')"
    "   FROM qirtas.class_login m WHERE m.login = session_user$$",
    "CREATE FUNCTION qirtas.taught_classes() RETURNS text[]"
    " LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp"
    " AS $$SELECT coalesce(array_agg(class_code), '{}') FROM qirtas.teacher_login"
    "   WHERE login = session_user$$",

    "ALTER TABLE qirtas.drill ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE qirtas.learner ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE qirtas.learner_day ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE qirtas.learner_month ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE qirtas.class_day_char ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY learner_adds ON qirtas.drill FOR INSERT TO qirtas_learner"
    " WITH CHECK (qirtas.may_add(class_code, learner))",
    "CREATE POLICY learner_reads ON qirtas.drill FOR SELECT TO qirtas_learner"
    " USING (learner_key = ANY ((SELECT qirtas.readable_learners())::uuid[]))",
    "CREATE POLICY teacher_reads ON qirtas.drill FOR SELECT TO qirtas_teacher"
    " USING (class_code = ANY ((SELECT qirtas.taught_classes())::text[]))",
    "CREATE POLICY teacher_reads ON qirtas.learner FOR SELECT TO qirtas_teacher"
    " USING (class_code = ANY ((SELECT qirtas.taught_classes())::text[]))",
    "CREATE POLICY teacher_reads ON qirtas.learner_day FOR SELECT TO qirtas_teacher"
    " USING (class_code = ANY ((SELECT qirtas.taught_classes())::text[]))",
    "CREATE POLICY teacher_reads ON qirtas.learner_month FOR SELECT TO qirtas_teacher"
    " USING (class_code = ANY ((SELECT qirtas.taught_classes())::text[]))",
    "CREATE POLICY teacher_reads ON qirtas.class_day_char FOR SELECT TO qirtas_teacher"
    " USING (class_code = ANY ((SELECT qirtas.taught_classes())::text[]))",

    // For the server's administrator (psql): which accounts stand for whom.
    "CREATE FUNCTION qirtas.allow_class(code text, account name) RETURNS void LANGUAGE plpgsql AS $$"
    "BEGIN"
    "  INSERT INTO qirtas.class_login VALUES (account, code, NULL)"
    "   ON CONFLICT (login, class_code) DO UPDATE SET learner = NULL;"
    "  EXECUTE format('GRANT qirtas_learner TO %I', account);"
    " END $$",
    "CREATE FUNCTION qirtas.allow_learner(code text, account name, learner_name text) RETURNS void"
    " LANGUAGE plpgsql AS $$"
    "BEGIN"
    "  INSERT INTO qirtas.class_login VALUES (account, code, learner_name)"
    "   ON CONFLICT (login, class_code) DO UPDATE SET learner = excluded.learner;"
    "  EXECUTE format('GRANT qirtas_learner TO %I', account);"
    " END $$",
    "CREATE FUNCTION qirtas.allow_teacher(code text, account name) RETURNS void LANGUAGE plpgsql AS $$"
    "BEGIN"
    "  INSERT INTO qirtas.teacher_login VALUES (account, code) ON CONFLICT DO NOTHING;"
    "  EXECUTE format('GRANT qirtas_teacher TO %I', account);"
    " END $$",
    "CREATE FUNCTION qirtas.disallow(code text, account name) RETURNS void LANGUAGE sql AS $$"
    " DELETE FROM qirtas.class_login WHERE login = account AND class_code = code;"
    " DELETE FROM qirtas.teacher_login WHERE login = account AND class_code = code;$$",
};

// Version 2: the server takes only drills a seat could have typed.
//
// qirtas.possible_drill() is the rule: a finished time from 2000 up to a
// day past the server's clock when the row came, at most a day's drill,
// a finite speed of at most 1000 keys a second, an accuracy of 0 to 100,
// counts of 0 to a million, and per character no more errors than
// presses, no more timed presses than presses and at most a day of time.
// Each row keeps its answer in the column `possible`, so that queries
// leave rows out at no cost. New rows are held to it; rows a server took
// before are kept but left out of every figure, and the summaries are
// made again without them.
//
// The summary step takes one class at a time, each in a block of its own:
// whatever goes wrong with one class's drills leaves them noted for a
// later try, and every other class is still summed.
const char* const Step2[] = {
    "CREATE FUNCTION qirtas.possible_drill(finished timestamptz, received timestamptz, elapsed integer,"
    " speed double precision, accuracy double precision, items_asked integer, items_done integer,"
    " keys_typed integer, correct integer, hints integer, score integer,"
    " presses integer[], errors integer[], timed integer[], time_ms bigint[]) RETURNS boolean"
    " LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$"
    "SELECT CASE WHEN isfinite(finished) AND isfinite(received)"
    "            THEN finished >= timestamptz '2000-01-01 00:00:00+00' AND finished - received <= interval '1 day'"
    "            ELSE false END"
    "  AND elapsed BETWEEN 0 AND 86400"
    "  AND speed BETWEEN 0 AND 1000 AND accuracy BETWEEN 0 AND 100" // NaN is above every number
    "  AND items_asked BETWEEN 0 AND 1000000 AND items_done BETWEEN 0 AND 1000000"
    "  AND keys_typed BETWEEN 0 AND 1000000 AND correct BETWEEN 0 AND 1000000"
    "  AND hints BETWEEN 0 AND 1000000 AND score >= 0"
    "  AND coalesce((SELECT bool_and(coalesce(p BETWEEN 0 AND 1000000 AND e BETWEEN 0 AND p"
    "                 AND (cardinality(timed) = 0 OR (n BETWEEN 0 AND p AND ms BETWEEN 0 AND 86400000)), false))"
    "                FROM unnest(presses, errors, timed, time_ms) AS u(p, e, n, ms)), true)$$",
    "ALTER TABLE qirtas.drill ADD COLUMN possible boolean NOT NULL GENERATED ALWAYS AS"
    " (coalesce(qirtas.possible_drill(finished, received, elapsed, speed, accuracy, items_asked, items_done,"
    "  keys_typed, correct, hints, score, presses, errors, timed, time_ms), false)) STORED",
    // NOT VALID: the rows already there stay, unchecked.
    "ALTER TABLE qirtas.drill ADD CONSTRAINT drill_possible CHECK (possible) NOT VALID",
    // The few rows left out, counted for the teacher without reading the rest.
    "CREATE INDEX drill_impossible ON qirtas.drill (class_code) WHERE NOT possible",

    "CREATE OR REPLACE FUNCTION qirtas.refresh() RETURNS integer LANGUAGE plpgsql"
    " SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$"
    "DECLARE summed integer := 0; one integer; noted record;"
    " BEGIN"
    "  PERFORM pg_advisory_xact_lock(7165032);"
    // The noted drills by class, each looked up by its key, so that the
    // work grows with the new drills and never with the table (the notes
    // of drills an administrator has deleted since make a class of their
    // own, without drills).
    "  FOR noted IN SELECT n.class_code, array_agg(n.id) AS ids FROM (SELECT w.id,"
    "    (SELECT x.class_code FROM qirtas.drill x WHERE x.id = w.id) AS class_code"
    "    FROM qirtas.drill_unsummed w) n GROUP BY n.class_code LOOP"
    "   BEGIN"
    "    WITH taken AS (DELETE FROM qirtas.drill_unsummed w WHERE w.id = ANY (noted.ids)),"
    "    d AS (SELECT x.*, qirtas.day_number(x.finished) AS t, (x.finished AT TIME ZONE 'UTC')::date AS day"
    "          FROM qirtas.drill x WHERE x.id = ANY (noted.ids) AND x.possible),"
    "    days AS (INSERT INTO qirtas.learner_day AS s"
    "     SELECT learner_key, day, kind, min(class_code), count(*), sum(elapsed), sum(speed), sum(accuracy),"
    "            sum(t), sum(t * t), sum(t * speed), sum(t * accuracy)"
    "     FROM d GROUP BY learner_key, day, kind"
    "     ON CONFLICT (learner_key, day, kind) DO UPDATE SET"
    "      drills = s.drills + excluded.drills, seconds = s.seconds + excluded.seconds,"
    "      speed = s.speed + excluded.speed, accuracy = s.accuracy + excluded.accuracy,"
    "      t = s.t + excluded.t, tt = s.tt + excluded.tt,"
    "      t_speed = s.t_speed + excluded.t_speed, t_accuracy = s.t_accuracy + excluded.t_accuracy),"
    "    months AS (INSERT INTO qirtas.learner_month AS s"
    "     SELECT learner_key, date_trunc('month', day)::date, kind, min(class_code), count(*), sum(elapsed),"
    "            sum(speed), sum(accuracy), sum(t), sum(t * t), sum(t * speed), sum(t * accuracy)"
    "     FROM d GROUP BY 1, 2, 3"
    "     ON CONFLICT (learner_key, month, kind) DO UPDATE SET"
    "      drills = s.drills + excluded.drills, seconds = s.seconds + excluded.seconds,"
    "      speed = s.speed + excluded.speed, accuracy = s.accuracy + excluded.accuracy,"
    "      t = s.t + excluded.t, tt = s.tt + excluded.tt,"
    "      t_speed = s.t_speed + excluded.t_speed, t_accuracy = s.t_accuracy + excluded.t_accuracy),"
    "    keys AS (INSERT INTO qirtas.class_day_char AS s"
    "     SELECT d.class_code, d.day, u.ch, sum(u.p), sum(u.e), coalesce(sum(u.n), 0), coalesce(sum(u.ms), 0)"
    "     FROM d, unnest(d.chars, d.presses, d.errors, d.timed, d.time_ms) AS u(ch, p, e, n, ms) GROUP BY 1, 2, 3"
    "     ON CONFLICT (class_code, day, ch) DO UPDATE SET"
    "      presses = s.presses + excluded.presses, errors = s.errors + excluded.errors,"
    "      timed = s.timed + excluded.timed, time_ms = s.time_ms + excluded.time_ms),"
    "    people AS (INSERT INTO qirtas.learner AS s"
    "     SELECT DISTINCT ON (learner_key) learner_key, class_code, learner,"
    "            min(finished) OVER w, max(finished) OVER w, lesson, lesson_number"
    "     FROM d WINDOW w AS (PARTITION BY learner_key)"
    "     ORDER BY learner_key, lesson_number DESC NULLS LAST"
    "     ON CONFLICT (learner_key) DO UPDATE SET"
    "      first_finished = least(s.first_finished, excluded.first_finished),"
    "      last_finished = greatest(s.last_finished, excluded.last_finished),"
    "      lesson = CASE WHEN excluded.lesson_number > coalesce(s.lesson_number, 0)"
    "                    THEN excluded.lesson ELSE s.lesson END,"
    "      lesson_number = CASE WHEN excluded.lesson_number > coalesce(s.lesson_number, 0)"
    "                    THEN excluded.lesson_number ELSE s.lesson_number END)"
    "    SELECT count(*) INTO one FROM d;"
    "    summed := summed + one;"
    "   EXCEPTION WHEN OTHERS THEN"
    // The server's log says why; no class's name reaches another's teacher.
    "    RAISE WARNING 'qirtas.refresh: the drills of one class are left for a later summary: %', SQLERRM;"
    "   END;"
    "  END LOOP;"
    "  RETURN summed;"
    " END $$",

    // The summaries again, of the possible drills only.
    "TRUNCATE qirtas.learner, qirtas.learner_day, qirtas.learner_month, qirtas.class_day_char",
    "INSERT INTO qirtas.drill_unsummed (id) SELECT id FROM qirtas.drill ON CONFLICT DO NOTHING",
    "SELECT qirtas.refresh()",
};

// Run by every init, so that the rights are whole again after any change.
const char* const Grants[] = {
    "GRANT USAGE ON SCHEMA qirtas TO qirtas_learner, qirtas_teacher",
    "GRANT SELECT ON qirtas.schema_version TO qirtas_learner, qirtas_teacher",
    "GRANT INSERT (id, class_code, learner, finished, kind, keyboard, symbols, lesson, lesson_number,"
    " items_asked, items_done, keys_typed, correct, hints, elapsed, speed, accuracy, score,"
    " chars, presses, errors, timed, time_ms, confusions) ON qirtas.drill TO qirtas_learner",
    "GRANT SELECT ON qirtas.drill TO qirtas_learner, qirtas_teacher",
    "GRANT SELECT ON qirtas.learner, qirtas.learner_day, qirtas.learner_month, qirtas.class_day_char"
    " TO qirtas_teacher",
    "REVOKE ALL ON FUNCTION qirtas.refresh(), qirtas.note_added(), qirtas.allow_class(text, name),"
    " qirtas.allow_learner(text, name, text), qirtas.allow_teacher(text, name),"
    " qirtas.disallow(text, name) FROM PUBLIC",
    "GRANT EXECUTE ON FUNCTION qirtas.refresh() TO qirtas_teacher",
};

} // namespace

QStringList Step(int version)
{
    QStringList statements;
    auto add = [&statements](const auto& step) {
        for (const char* sql : step)
            statements << QLatin1String(sql);
    };
    if (version == 1)
        add(Step1);
    else if (version == 2)
        add(Step2);
    return statements;
}

int ServerVersion(const QSqlDatabase& db, QString* error)
{
    // Two statements: one naming a table that is not there fails whole.
    ClassSql::Result r = ClassSql::Exec(db, "SELECT to_regclass('qirtas.schema_version') IS NOT NULL");
    if (r.Ok() && r.Text(0, 0) == QLatin1String("t"))
        r = ClassSql::Exec(db, "SELECT coalesce(max(version), 0) FROM qirtas.schema_version");
    if (!r.Ok()) {
        if (error)
            *error = r.message;
        return -1;
    }
    return r.Text(0, 0) == QLatin1String("f") ? 0 : int(r.Int(0, 0));
}

Outcome Init(const QSqlDatabase& db, int version)
{
    Outcome o;
    auto run = [&](const char* sql, const QVariantList& values = {}) {
        const ClassSql::Result r = ClassSql::Exec(db, sql, values);
        if (!r.Ok() && o.error.isEmpty())
            o.error = r.message;
        return r;
    };
    auto fail = [&] {
        ClassSql::Exec(db, "ROLLBACK");
        return o;
    };

    if (!run("BEGIN").Ok() || !run(InitLock).Ok())
        return fail();
    o.fromVersion = ServerVersion(db, &o.error);
    if (o.fromVersion < 0)
        return fail();
    o.toVersion = version;
    if (o.fromVersion > version) {
        o.error = QStringLiteral("the class tables are at version %1, newer than this program's %2;"
                                 " nothing was changed").arg(o.fromVersion).arg(version);
        return fail();
    }

    for (const char* role : {LearnerRole, TeacherRole}) {
        const ClassSql::Result exists = run("SELECT 1 FROM pg_roles WHERE rolname = $1", {QLatin1String(role)});
        if (!exists.Ok())
            return fail();
        if (exists.Rows() == 0) {
            // A role's name is no value: it is written into the statement,
            // and it is one of the two names above.
            if (!run(QByteArray("CREATE ROLE ").append(role).append(" NOLOGIN").constData()).Ok())
                return fail();
            o.done << QStringLiteral("created the role %1").arg(QLatin1String(role));
        }
    }

    if (o.fromVersion == 0) {
        if (!run("CREATE SCHEMA IF NOT EXISTS qirtas").Ok()
            || !run("CREATE TABLE qirtas.schema_version (version integer PRIMARY KEY,"
                    " applied timestamptz NOT NULL DEFAULT now())").Ok())
            return fail();
    }
    for (int v = o.fromVersion + 1; v <= version; ++v) {
        for (const QString& sql : Step(v)) {
            if (!run(sql.toUtf8().constData()).Ok())
                return fail();
        }
        if (!run("INSERT INTO qirtas.schema_version (version) VALUES ($1)", {v}).Ok())
            return fail();
    }
    for (const char* sql : Grants) {
        if (!run(sql).Ok())
            return fail();
    }
    if (!run("COMMIT").Ok())
        return fail();

    if (o.fromVersion == 0)
        o.done << QStringLiteral("created the class tables in schema qirtas (version %1)").arg(version);
    else if (o.fromVersion < version)
        o.done << QStringLiteral("upgraded the class tables from version %1 to %2").arg(o.fromVersion).arg(version);
    else
        o.done << QStringLiteral("the class tables are up to date (version %1)").arg(version);
    o.done << QStringLiteral("granted the rights of %1 and %2")
                  .arg(QLatin1String(LearnerRole), QLatin1String(TeacherRole));
    o.ok = true;
    return o;
}

} // namespace ClassSchema
